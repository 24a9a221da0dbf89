#include "platform/clock.hpp"

#include <chrono>
#include <ctime>

namespace platform {
namespace {

using Steady = std::chrono::steady_clock;

// The clock reads origin_ms at `origin` and runs `factor` times as fast from
// there, so that a change of scale never makes it jump.
struct Scale {
  double factor = 1.0;
  Steady::time_point origin{};
  std::int64_t origin_ms = 0;
};
Scale g_scale;

class SystemClock final : public Clock {
 public:
  std::uint32_t Milliseconds() override {
    const double real_ms =
        std::chrono::duration<double, std::milli>(Steady::now() - g_scale.origin).count();
    return static_cast<std::uint32_t>(g_scale.origin_ms +
                                      static_cast<std::int64_t>(real_ms * g_scale.factor));
  }

  double PreciseMilliseconds() override {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

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

double SecondsSinceMidnight() { return g_clock->SecondsSinceMidnight(); }

void SetTimeScale(double scale) {
  const std::int64_t now_ms = g_system_clock.Milliseconds();
  g_scale.factor = scale > 0 ? scale : 1.0;
  g_scale.origin = Steady::now();
  g_scale.origin_ms = now_ms;
}

double TimeScale() { return g_scale.factor; }

}  // namespace platform
