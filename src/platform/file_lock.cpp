#include "platform/file_lock.hpp"

#include <thread>

namespace platform {

bool RetryLock(const std::function<LockAttempt(std::string* error)>& attempt,
               std::chrono::milliseconds wait, std::string* error) {
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    switch (attempt(error)) {
      case LockAttempt::kTaken:
        return true;
      case LockAttempt::kFailed:
        return false;
      case LockAttempt::kBusy:
        break;
    }
    if (std::chrono::steady_clock::now() >= until) {
      *error = "another program kept it locked for " +
               std::to_string(std::chrono::duration_cast<std::chrono::seconds>(wait).count()) +
               " s";
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace platform
