#include "platform/event_loop.hpp"

#include <gtest/gtest.h>

#include <boost/asio/io_context.hpp>
#include <chrono>
#include <thread>

namespace {

// A wait cancelled after it expired, its handler already queued behind the one
// cancelling it, must not run: a game timer moved onto a frame would otherwise
// tick twice.
TEST(AsioScheduler, AWaitCancelledAfterItExpiredDoesNotRun) {
  boost::asio::io_context io;
  platform::AsioScheduler scheduler(io);
  bool ran = false;
  platform::Scheduler::Id later = 0;
  scheduler.CallAfter(1, [&] { scheduler.Cancel(later); });
  later = scheduler.CallAfter(2, [&] { ran = true; });
  // Both expired before the loop looks: their handlers are queued together.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  io.run();
  EXPECT_FALSE(ran);
}

}  // namespace
