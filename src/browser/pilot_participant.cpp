#include "browser/pilot_participant.hpp"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace browser {

// pilot_participant.js, embedded by the build.
extern const std::string_view kPilotParticipantJs;

const std::vector<std::string>& PilotStrategies() {
  static const std::vector<std::string> kStrategies{"random", "left", "right", "round"};
  return kStrategies;
}

std::string PilotScript(const PilotParticipant& participant) {
  const auto& known = PilotStrategies();
  if (std::find(known.begin(), known.end(), participant.strategy) == known.end()) {
    throw std::invalid_argument("unknown pilot strategy \"" + participant.strategy + "\"");
  }
  if (!(participant.speed > 0)) throw std::invalid_argument("the pilot speed must be positive");
  char settings[200];
  std::snprintf(settings, sizeof settings,
                "{ strategy: \"%s\", seed: %u, minMs: %u, maxMs: %u, speed: %.17g }",
                participant.strategy.c_str(), participant.seed, kPilotResponseMinMs,
                kPilotResponseMaxMs, participant.speed);
  // The file's default settings keep it valid JavaScript on its own.
  std::string script(kPilotParticipantJs);
  const std::string_view marker = "/*@PILOT@*/";
  const std::size_t at = script.find(marker);
  const std::size_t end = script.find('}', at) + 1;
  script.replace(at, end - at, settings);
  return "<script>\n" + script + "</script>\n";
}

}  // namespace browser
