#pragma once
// The program's clocks: the millisecond game clock and the time of day.
// Tests install a fake clock; everything else reads through these functions.
#include <cstdint>
#include <ctime>

namespace platform {

// Source of the millisecond count and the time of day. The default reads the
// system's monotonic and wall clocks.
class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds of a monotonic clock, as an unsigned 32-bit count that wraps.
  virtual std::uint32_t Milliseconds() = 0;
  // The same clock with the fraction and without the wrap, in real time: the
  // clock a page's own clock is matched against.
  virtual double PreciseMilliseconds() { return Milliseconds(); }
  // The Milliseconds() reading, with its fraction and unwrapped, of the moment
  // PreciseMilliseconds() read `precise`: they differ only while study time
  // is scaled.
  virtual double StudyMilliseconds(double precise) { return precise; }
  // Seconds since local midnight, with the fractional part.
  virtual double SecondsSinceMidnight() = 0;
};

// Installs a clock (nullptr restores the system clock). The caller keeps ownership.
void SetClock(Clock* clock);

// Milliseconds of the monotonic clock, modulo 2^32. Take differences as
// uint32_t subtraction so that a wrap never corrupts an interval.
std::uint32_t timeGetTime();

// The clock of timeGetTime in fractional milliseconds, unwrapped, but in real
// time: while study time is scaled (SetTimeScale) a reading becomes a study
// time only through StudyMilliseconds. Unscaled, its whole part modulo 2^32 is
// the timeGetTime reading of that moment.
double PreciseMilliseconds();

// The study time, in fractional milliseconds and unwrapped, of the moment
// PreciseMilliseconds() read `precise`: what anything logged from that clock
// is written as, so that it lies on the clock of timeGetTime.
double StudyMilliseconds(double precise);

// Seconds since local midnight, with the fractional part.
double SecondsSinceMidnight();

// The local time of `t`, by the system's thread-safe conversion.
std::tm LocalTime(std::time_t t);

// Study time runs `scale` times as fast as real time from now on (a pilot's
// --speed; 1 by default): the system clock's timeGetTime() counts study
// milliseconds, and the scheduler waits delay / scale real milliseconds;
// PreciseMilliseconds stays real, StudyMilliseconds scales its readings. The
// time of day is never scaled. A test's own clock is left as it is.
void SetTimeScale(double scale);
double TimeScale();

// While one lives, the system's timers wake to the millisecond: Windows raises
// its timer resolution to 1 ms (from 15.6 ms) and restores it at the end;
// Linux timers are that fine already.
class FineTimers {
 public:
  FineTimers();
  ~FineTimers();
  FineTimers(const FineTimers&) = delete;
  FineTimers& operator=(const FineTimers&) = delete;

 private:
  bool raised_ = false;
};

}  // namespace platform
