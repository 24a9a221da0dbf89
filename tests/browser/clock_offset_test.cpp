// The page clock's offset from ours, fed the times a socket would see. The
// page's clock runs 1000 ms ahead of ours unless a case says otherwise.
#include "browser/clock_offset.hpp"

#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;

// A ping sent at `sent` (ours), stamped by the page at `stamped` (its
// clock), back at `back` (ours).
void Ping(browser::ClockOffset& clock, double sent, double stamped, double back) {
  clock.PingSent(sent);
  EXPECT_TRUE(clock.PongReceived(stamped, back));
}

TEST(ClockOffset, APageBusyFor500MsIsMeasuredByItsFirstPromptPong) {
  browser::ClockOffset clock;
  EXPECT_FALSE(clock.PongReceived(1000, 1));  // no ping in flight
  EXPECT_FALSE(clock.Offset());
  EXPECT_EQ(clock.PingInterval(), milliseconds(50));
  // The page was busy when the first ping came: answered 500 ms late.
  Ping(clock, 0, 1500, 500.5);
  EXPECT_FALSE(clock.Settled());
  EXPECT_DOUBLE_EQ(*clock.Offset(), 1249.75);
  Ping(clock, 550.5, 1551, 551.5);
  EXPECT_TRUE(clock.Settled());
  EXPECT_EQ(clock.PingInterval(), milliseconds(2000));
  EXPECT_DOUBLE_EQ(*clock.Offset(), 1000);
  Ping(clock, 2551.5, 3800, 2850);  // a slower one later changes nothing
  EXPECT_DOUBLE_EQ(clock.ToOurs(11016), 10016);
}

// A page busy all along answers every ping late: five pongs settle the
// estimate, 250 ms too large, so an onset would come before the navigation
// it shows was issued; the page's receipt of that page caps it.
TEST(ClockOffset, LatePongsAreCappedByWhenThePageReceivedWhatItShows) {
  browser::ClockOffset clock;
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(clock.Settled()) << i;
    Ping(clock, i * 600, i * 600 + 1500, i * 600 + 500);
  }
  EXPECT_TRUE(clock.Settled());
  EXPECT_DOUBLE_EQ(*clock.Offset(), 1250);
  const double issued = 10000, received = 11000.5, onset = 11016;
  clock.Bound(received, issued);
  EXPECT_DOUBLE_EQ(*clock.Offset(), 1000.5);
  EXPECT_DOUBLE_EQ(clock.ToOurs(onset), 10015.5);
}

// Whichever way the page's clock jumps after it was measured, an onset never
// comes before what it shows was issued: a jump back is caught by the next
// pong, a jump ahead leaves the onset late.
TEST(ClockOffset, APageWhoseClockJumpsNeverPutsAnOnsetBeforeItsNavigation) {
  for (const double jump : {-300.0, 300.0}) {
    SCOPED_TRACE(jump);
    browser::ClockOffset clock;
    Ping(clock, 0, 1000.5, 1);
    Ping(clock, 2000, 3000.5 + jump, 2001);
    const double issued = 5000, onset = 6016 + jump;
    clock.Bound(6000.5 + jump, issued);
    EXPECT_GE(clock.ToOurs(onset), issued);
    EXPECT_DOUBLE_EQ(*clock.Offset(), jump < 0 ? 700.5 : 1000);
  }
}

}  // namespace
