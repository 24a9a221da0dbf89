#pragma once
// The automated participant of a pilot run (pilot_participant.js): a script
// the server adds to every page it serves in a pilot, and nowhere else.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace browser {

// The range the participant's response times are drawn from, uniformly, in
// study milliseconds: from a page's showing to the participant's click.
inline constexpr std::uint32_t kPilotResponseMinMs = 500;
inline constexpr std::uint32_t kPilotResponseMaxMs = 2000;

struct PilotParticipant {
  // Whom the participant throws to: "random" (any player shown, equally
  // likely), "left" (Player 1), "right" (Player 3) or "round" (each player
  // shown in turn, lowest number first).
  std::string strategy = "random";
  std::uint32_t seed = 1;  // of the participant's choices and response times
  double speed = 1;        // real waits are study times divided by this
};

// The strategies, as the command line names them.
const std::vector<std::string>& PilotStrategies();

// The participant as a <script> element. Throws std::invalid_argument for an
// unknown strategy or a speed that is not positive.
std::string PilotScript(const PilotParticipant& participant);

}  // namespace browser
