#include "game/show.hpp"

#include <exception>

#include "game/class1.hpp"
#include "game/terminal.hpp"
#include "session/module1.hpp"

namespace game {

std::uint64_t ShowPage(page::PageKind kind, int thrower, int receiver) {
  try {
    const std::filesystem::path page = page::ComposeGamePage(kind, thrower, receiver);
    Module1::BrowserEvents->Show(page);
    return Module1::BrowserEvents->Sink->NavigationNumber();
  } catch (const std::exception &e) {
    ReportProblem(std::string("the game page could not be shown: ") + e.what());
    return 0;
  }
}

}  // namespace game
