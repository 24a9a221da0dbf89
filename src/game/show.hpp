#pragma once
// Showing a game page from a game event: the page is composed, written to its
// file, and the window is given its bytes and sent to it. A page file that
// can't be written is reported and the page shown all the same; a template
// that can't be read is reported and the game goes on: the throw is still
// recorded, so the session's data survive a broken template.
#include <cstdint>

#include "page/compose.hpp"

namespace game {

// Returns the window's number for the navigation (0 when none was issued).
std::uint64_t ShowPage(page::PageKind kind, int thrower, int receiver);

}  // namespace game
