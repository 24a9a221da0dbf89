#include "platform/event_loop.hpp"

#include <algorithm>
#include <boost/asio/post.hpp>
#include <chrono>
#include <cmath>
#include <exception>
#include <iostream>

#include "platform/clock.hpp"

namespace platform {
namespace {
Scheduler* g_scheduler = nullptr;
}  // namespace

Scheduler::Id Scheduler::CallAfterReal(double delay_ms, Callback callback) {
  const double study = std::ceil(std::max(0.0, delay_ms) * TimeScale());
  return CallAfter(study >= 4294967295.0 ? 4294967295u : static_cast<std::uint32_t>(study),
                   std::move(callback));
}

Scheduler::Id AsioScheduler::CallAfter(std::uint32_t delay_ms, Callback callback) {
  // Study milliseconds: a pilot's time scale shortens the real wait.
  return Wait(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                  std::chrono::duration<double, std::milli>(delay_ms / TimeScale())),
              std::move(callback));
}

Scheduler::Id AsioScheduler::CallAfterReal(double delay_ms, Callback callback) {
  return Wait(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                  std::chrono::duration<double, std::milli>(std::max(0.0, delay_ms))),
              std::move(callback));
}

Scheduler::Id AsioScheduler::Wait(std::chrono::steady_clock::duration real, Callback callback) {
  const Id id = next_id_++;
  auto timer = std::make_unique<boost::asio::steady_timer>(io_, real);
  timer->async_wait([this, id, cb = std::move(callback)](const boost::system::error_code& ec) {
    if (ec) return;  // cancelled
    // Cancelled after it expired, with this handler already queued.
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    timers_.erase(it);
    cb();
  });
  timers_.emplace(id, std::move(timer));
  return id;
}

void AsioScheduler::Cancel(Id id) {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->cancel();
  // The cancelled wait still runs its handler (with an error) after this; the
  // timer object must outlive it, so hand it to that handler's completion.
  auto timer = std::move(it->second);
  timers_.erase(it);
  boost::asio::post(io_, [t = std::move(timer)]() {});
}

namespace {
std::function<void(const std::string&)>& FailureReport() {
  static std::function<void(const std::string&)> report;
  return report;
}
}  // namespace

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    if (FailureReport()) {
      FailureReport()(e.what());
    } else {
      std::cerr << "volleta: an event failed: " << e.what() << std::endl;
    }
  }
}

void SetFailureReport(std::function<void(const std::string&)> report) {
  FailureReport() = std::move(report);
}

Scheduler& CurrentScheduler() { return *g_scheduler; }

void SetScheduler(Scheduler* scheduler) { g_scheduler = scheduler; }

Timer::Timer(Handler on_tick, std::uint32_t interval_ms, bool enabled)
    : on_tick_(std::move(on_tick)), interval_(interval_ms) {
  SetEnabled(enabled);
}

Timer::~Timer() { Disarm(); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled_) {
    Disarm();
  } else if (!in_tick_) {
    Arm();
  }
}

void Timer::SetInterval(std::uint32_t interval_ms) {
  interval_ = interval_ms;
  if (enabled_ && !in_tick_) {
    Disarm();
    Arm();
  }
}

void Timer::FireIn(double delay_ms) {
  if (!enabled_ || in_tick_) return;
  Disarm();
  pending_ = CurrentScheduler().CallAfterReal(delay_ms, [this] { Fire(); });
}

void Timer::Arm() {
  pending_ = CurrentScheduler().CallAfter(interval_, [this] { Fire(); });
}

void Timer::Disarm() {
  if (pending_) {
    if (g_scheduler != nullptr) g_scheduler->Cancel(*pending_);
    pending_.reset();
  }
}

void Timer::Fire() {
  pending_.reset();
  in_tick_ = true;
  struct TickEnd {
    Timer* timer;
    int exceptions = std::uncaught_exceptions();
    ~TickEnd() {
      timer->in_tick_ = false;
      // A tick that ends the program leaves the timer alone.
      if (std::uncaught_exceptions() > exceptions) return;
      if (timer->enabled_ && !timer->pending_) timer->Arm();
    }
  } tick_end{this};
  RunHandler(on_tick_);
}

}  // namespace platform
