#include "game/catches.hpp"

#include "lsl/outlets.hpp"
#include "platform/clock.hpp"
#include "session/module1.hpp"
#include "ttl/fttl.hpp"

namespace game {

void PulseCatch(std::int16_t receiver) {
  using namespace Module1;
  if (receiver < 0 || receiver > 4) return;
  // Read before the port is written, so that nothing comes between the two
  // readings; pushed after, so that the pulse is not held up.
  const double lsl_stamp = lsl_out::LocalClock();
  if (TtlEnabled) {
    TtlValue = TtlCodes[static_cast<std::size_t>(receiver)];
    if (fTTL* form = ttl::LoadedForm()) form->SendTTL(TtlPort, TtlValue, TtlDuration);
  }
  lsl_out::MarkCatch(receiver, lsl_stamp);
}

void RecordCatch(int n, std::int16_t receiver) {
  Module1::LogEntry& entry = Module1::ThrowLog.at(static_cast<std::size_t>(n));
  entry.Receiver = receiver;
  entry.Time = platform::timeGetTime();
  PulseCatch(receiver);
}

void RecordLastCatch() {
  using namespace Module1;
  if (TotalThrows < 0) return;
  const auto last = static_cast<std::size_t>(TotalThrows);
  if (ThrowLog.size() <= last) ThrowLog.resize(last + 2);
  LogEntry& entry = ThrowLog[last];
  if (entry.Receiver == 0) {
    entry.Receiver = BallHolder;
    PulseCatch(BallHolder);
  }
  if (entry.Time == 0) entry.Time = platform::timeGetTime();
}

void RecordShown(int n, std::uint64_t navigation) {
  if (n < 1 || n > Module1::TotalThrows) return;
  Module1::ThrowLog.at(static_cast<std::size_t>(n)).Shown = navigation;
}

void RecordOnset(std::uint64_t navigation, double time) {
  using namespace Module1;
  if (navigation == 0 || !(time >= 0)) return;
  for (int n = 1; n <= TotalThrows && static_cast<std::size_t>(n) < ThrowLog.size(); ++n) {
    LogEntry& entry = ThrowLog[static_cast<std::size_t>(n)];
    if (entry.Shown != navigation) continue;
    // On the study clock (a pilot's runs faster than the page's), in whole
    // milliseconds modulo 2^32 like every timeGetTime reading. The LSL stamp
    // stays on the real clock.
    const double study = platform::StudyMilliseconds(time);
    if (!entry.Onset && study >= 0) {
      entry.Onset = static_cast<std::uint32_t>(static_cast<std::uint64_t>(study));
      lsl_out::MarkOnset(entry.Receiver, time);
    }
    return;
  }
}

}  // namespace game
