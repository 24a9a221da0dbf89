#include "game/show.hpp"

#include <exception>

#include "game/report.hpp"

namespace game {

void ShowPage(page::PageKind kind, int thrower, int receiver) {
  try {
    page::ComposeGamePage(kind, thrower, receiver);
  } catch (const std::exception& e) {
    ReportProblem(std::string("the game page could not be shown: ") + e.what());
  }
}

}  // namespace game
