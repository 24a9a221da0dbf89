// windows.h first: timeapi.h needs its types.
#include <windows.h>

#include <timeapi.h>

#include "platform/clock.hpp"

namespace platform {

FineTimers::FineTimers() : raised_(::timeBeginPeriod(1) == TIMERR_NOERROR) {}

FineTimers::~FineTimers() {
  if (raised_) ::timeEndPeriod(1);
}

std::tm LocalTime(std::time_t t) {
  std::tm local{};
  localtime_s(&local, &t);
  return local;
}

}  // namespace platform
