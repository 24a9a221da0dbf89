#include "session/pilot_id.hpp"

#include <cstdio>

namespace session {
namespace {
constexpr std::string_view kPrefix = "PILOT-";
}  // namespace

std::string PilotSubjectId(int number) {
  char id[32];
  std::snprintf(id, sizeof id, "PILOT-%03d", number);
  return id;
}

bool IsPilotSubject(std::string_view subject) { return subject.starts_with(kPrefix); }

std::optional<int> PilotNumber(std::string_view subject) {
  if (!IsPilotSubject(subject)) return std::nullopt;
  const std::string_view digits = subject.substr(kPrefix.size());
  if (digits.empty() || digits.size() > 6 ||
      digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  int number = 0;
  for (char c : digits) number = number * 10 + (c - '0');
  return number;
}

}  // namespace session
