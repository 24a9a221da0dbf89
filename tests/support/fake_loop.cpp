#include "support/fake_loop.hpp"

namespace testing_support {

FakeLoop::FakeLoop(std::uint32_t start_ms) : now_(start_ms) {
  platform::SetClock(this);
  platform::SetScheduler(this);
}

FakeLoop::~FakeLoop() {
  platform::SetClock(nullptr);
  platform::SetScheduler(nullptr);
}

platform::Scheduler::Id FakeLoop::CallAfter(std::uint32_t delay_ms, Callback callback) {
  const Id id = next_id_++;
  queue_.emplace(std::make_pair(now_ + delay_ms, id), std::move(callback));
  return id;
}

void FakeLoop::Cancel(Id id) {
  for (auto it = queue_.begin(); it != queue_.end(); ++it) {
    if (it->first.second == id) {
      queue_.erase(it);
      return;
    }
  }
}

bool FakeLoop::RunOneDueBy(std::uint64_t deadline) {
  if (queue_.empty() || queue_.begin()->first.first > deadline) return false;
  auto node = queue_.extract(queue_.begin());
  if (node.key().first > now_) now_ = node.key().first;
  node.mapped()();
  return true;
}

void FakeLoop::Advance(std::uint64_t ms) {
  const std::uint64_t deadline = now_ + ms;
  while (RunOneDueBy(deadline)) {
  }
  now_ = deadline;
}

void FakeLoop::RunUntilIdle(std::uint64_t limit_ms) {
  const std::uint64_t deadline = now_ + limit_ms;
  while (RunOneDueBy(deadline)) {
  }
}

std::optional<std::uint64_t> FakeLoop::NextDue() const {
  if (queue_.empty()) return std::nullopt;
  const std::uint64_t due = queue_.begin()->first.first;
  return due > now_ ? due - now_ : 0;
}

}  // namespace testing_support
