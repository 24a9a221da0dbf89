#include "platform/clock.hpp"

#include <chrono>
#include <ctime>

namespace platform {
namespace {

using Steady = std::chrono::steady_clock;

// Study time reads origin_ms at the real moment origin_real_ms and runs
// `factor` times as fast from there, so that a change of scale never makes it
// jump. Both clocks start on the steady clock's own count.
struct Scale {
  double factor = 1.0;
  double origin_real_ms = 0;
  double origin_ms = 0;
};
Scale g_scale;

double RealMilliseconds() {
  return std::chrono::duration<double, std::milli>(Steady::now().time_since_epoch()).count();
}

double Study(double real_ms) {
  return g_scale.origin_ms + (real_ms - g_scale.origin_real_ms) * g_scale.factor;
}

class SystemClock final : public Clock {
 public:
  std::uint32_t Milliseconds() override {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(Study(RealMilliseconds())));
  }

  double PreciseMilliseconds() override { return RealMilliseconds(); }

  double StudyMilliseconds(double precise) override { return Study(precise); }

  double SecondsSinceMidnight() override {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const std::tm local = LocalTime(t);
    const auto sub = now - std::chrono::system_clock::from_time_t(t);
    const double fraction = std::chrono::duration<double>(sub).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
  }
};

SystemClock g_system_clock;
Clock* g_clock = &g_system_clock;

}  // namespace

void SetClock(Clock* clock) { g_clock = clock != nullptr ? clock : &g_system_clock; }

std::uint32_t timeGetTime() { return g_clock->Milliseconds(); }

double PreciseMilliseconds() { return g_clock->PreciseMilliseconds(); }

double StudyMilliseconds(double precise) { return g_clock->StudyMilliseconds(precise); }

double SecondsSinceMidnight() { return g_clock->SecondsSinceMidnight(); }

void SetTimeScale(double scale) {
  const double real_ms = RealMilliseconds();
  g_scale.origin_ms = Study(real_ms);
  g_scale.origin_real_ms = real_ms;
  g_scale.factor = scale > 0 ? scale : 1.0;
}

double TimeScale() { return g_scale.factor; }

}  // namespace platform
