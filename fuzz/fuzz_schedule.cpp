// Any schedule file, for a 3- or 4-player game of a few throws: either it is
// refused, or every scheduled throw goes to another player of the game.
#include <cstdint>

#include "fuzz_support.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/schedule.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  fuzz::FreshSession();
  const int players = (data[0] & 1) ? 4 : 3;
  const int throws = 1 + (data[0] >> 1) % 40;
  fuzz::WriteInput("schedules/fuzz.txt", data + 1, size - 1);
  Module1::NumPlayers = session::Value::FromField(std::to_string(players));
  Module1::TotalThrows = static_cast<std::int16_t>(throws);
  Module1::ScheduleFile = "fuzz.txt";
  for (auto& row : Module1::ThrowSchedule) row.assign(static_cast<std::size_t>(throws) + 1, 0);
  try {
    session::LoadSchedule();
    for (int p = 1; p <= 4; ++p) {
      for (int n = 1; n <= throws; ++n) {
        const int t = Module1::ThrowSchedule[p][n];
        if (t != 0 && (t == p || t < 1 || t > players)) __builtin_trap();
      }
    }
  } catch (const platform::ProgramEnd&) {
  }
  return 0;
}
