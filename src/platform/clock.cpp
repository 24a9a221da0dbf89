#include "platform/clock.hpp"

#include <chrono>
#include <ctime>

namespace platform {
namespace {

class SystemClock final : public Clock {
 public:
  std::uint32_t Milliseconds() override {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
  }

  double PreciseMilliseconds() override {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  double SecondsSinceMidnight() override {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
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

}  // namespace platform
