#pragma once
// Showing a game page from a game event: the page is written, then the window
// is sent to it. A page that can't be written is reported to the experimenter
// and the game goes on: the throw is still recorded, so the session's data
// survive a broken template.
#include <cstdint>

#include "page/compose.hpp"

namespace game {

// Returns the window's number for the navigation (0 when none was issued).
std::uint64_t ShowPage(page::PageKind kind, int thrower, int receiver);

}  // namespace game
