#pragma once
// A fake clock and event loop for game-logic tests: time only moves when the
// test says so, and due callbacks run in deadline order, one at a time.
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "platform/clock.hpp"
#include "platform/event_loop.hpp"

namespace testing_support {

class FakeLoop final : public platform::Scheduler, public platform::Clock {
 public:
  // Installs itself as the program's clock and scheduler; restores the real
  // clock (and no scheduler) when destroyed.
  explicit FakeLoop(std::uint32_t start_ms = 1000);
  ~FakeLoop() override;

  Id CallAfter(std::uint32_t delay_ms, Callback callback) override;
  void Cancel(Id id) override;

  std::uint32_t Milliseconds() override { return static_cast<std::uint32_t>(now_); }
  double SecondsSinceMidnight() override { return 36000.0 + static_cast<double>(now_) / 1000.0; }

  // Moves time forward by `ms`, running every callback that falls due on the
  // way at its own time.
  void Advance(std::uint64_t ms);
  // Runs callbacks until none is left, or `limit_ms` of fake time has passed.
  void RunUntilIdle(std::uint64_t limit_ms = 24ull * 3600 * 1000);
  // Milliseconds until the next callback, if any.
  std::optional<std::uint64_t> NextDue() const;
  std::uint64_t Now() const { return now_; }

 private:
  bool RunOneDueBy(std::uint64_t deadline);

  std::uint64_t now_;
  Id next_id_ = 1;
  // (deadline, id) -> callback: equal deadlines run in the order scheduled.
  std::map<std::pair<std::uint64_t, Id>, Callback> queue_;
};

}  // namespace testing_support
