#include "platform/clock.hpp"

namespace platform {

// Linux's high-resolution timers already wake to the microsecond.
FineTimers::FineTimers() = default;
FineTimers::~FineTimers() = default;

std::tm LocalTime(std::time_t t) {
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

}  // namespace platform
