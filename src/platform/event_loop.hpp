#pragma once
// The one event loop everything runs on, and timers with the classic form
// timer's behaviour on top of it.
#include <boost/asio/io_context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// Schedules callbacks on the single event loop. The program uses the Asio
// implementation; game-logic tests drive a fake one with a fake clock.
class Scheduler {
 public:
  using Callback = std::function<void()>;
  using Id = std::uint64_t;
  virtual ~Scheduler() = default;
  // Runs `callback` on the loop `delay_ms` from now; 0 means on the next turn.
  virtual Id CallAfter(std::uint32_t delay_ms, Callback callback) = 0;
  // Forgets a callback that has not run yet; unknown ids are ignored.
  virtual void Cancel(Id id) = 0;
  // Runs `callback` `delay_ms` real milliseconds from now, to the fraction
  // where the loop can (a moment on the precise clock, whatever the time scale).
  virtual Id CallAfterReal(double delay_ms, Callback callback);
};

class AsioScheduler final : public Scheduler {
 public:
  explicit AsioScheduler(boost::asio::io_context& io) : io_(io) {}
  Id CallAfter(std::uint32_t delay_ms, Callback callback) override;
  void Cancel(Id id) override;
  Id CallAfterReal(double delay_ms, Callback callback) override;
  boost::asio::io_context& Context() { return io_; }

 private:
  Id Wait(std::chrono::steady_clock::duration wait, Callback callback);

  boost::asio::io_context& io_;
  Id next_id_ = 1;
  std::map<Id, std::unique_ptr<boost::asio::steady_timer>> timers_;
};

// Runs one event's handler to its end. A handler that fails (throws a
// std::exception) is reported through the failure report and the loop goes on
// with the next event; a ProgramEnd passes through. Every event source (timer
// ticks, navigations, the window's closing) runs its handler through this.
void RunHandler(const std::function<void()>& handler);
// Where RunHandler reports a failure: a line for the experimenter. Until set,
// standard error.
void SetFailureReport(std::function<void(const std::string&)> report);

// The scheduler in use (set by main, or by a test); never null once set.
Scheduler& CurrentScheduler();
void SetScheduler(Scheduler* scheduler);

// A timer with Enabled and Interval in milliseconds:
//  - enabling a disabled timer starts a full interval;
//  - each tick re-arms with the interval current after the tick, while the
//    timer stays enabled; an interval assigned during a tick is the delay to
//    the next tick;
//  - assigning an interval to an enabled timer outside its tick restarts the
//    countdown with the new interval;
//  - an interval of 0 ticks on the next turn of the loop;
//  - a tick whose handler fails is reported (RunHandler) and the timer keeps
//    its state: still enabled, it ticks again after its interval.
class Timer {
 public:
  using Handler = std::function<void()>;
  Timer(Handler on_tick, std::uint32_t interval_ms, bool enabled = false);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t interval_ms);
  // Moves the pending tick of an enabled timer to `delay_ms` real
  // milliseconds from now; the ticks after it keep the interval. Nothing
  // during a tick or while disabled.
  void FireIn(double delay_ms);

 private:
  void Arm();
  void Disarm();
  void Fire();

  Handler on_tick_;
  std::uint32_t interval_;
  bool enabled_ = false;
  bool in_tick_ = false;
  std::optional<Scheduler::Id> pending_;
};

}  // namespace platform
