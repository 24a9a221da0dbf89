#include "game/show.hpp"

#include <exception>

#include "game/class1.hpp"
#include "game/terminal.hpp"
#include "session/module1.hpp"

namespace game {

std::uint64_t ShowPage(page::PageKind kind, int thrower, int receiver) {
  try {
    page::GamePage page = page::ComposeGamePage(kind, thrower, receiver);
    if (!page.write_error.empty()) ReportProblem(page.write_error + " It is shown all the same.");
    Module1::BrowserEvents->Sink->Provide(page.file, std::move(page.text));
    Module1::BrowserEvents->Show(page.file);
    return Module1::BrowserEvents->Sink->NavigationNumber();
  } catch (const std::exception& e) {
    ReportProblem(std::string("the game page could not be shown: ") + e.what());
    return 0;
  }
}

}  // namespace game
