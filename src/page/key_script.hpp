#pragma once
#include <string>

namespace page {

// The key-handler script for the current NumPlayers (26 lines for 4 players,
// 23 for 3, empty otherwise), each line preceded by CR LF.
std::string BuildKeyScript();

}  // namespace page
