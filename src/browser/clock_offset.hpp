#pragma once
// How far a page's clock is from ours: page time = our time + offset.
//
// Measured by pings: the offset at the shortest round trip counts. A busy
// page answers a ping late, which makes that estimate too large (and every
// onset converted with it too early), so each bound the page's own stamps
// allow caps it: a page stamps nothing before it received what was sent, so
// a stamp taken after receiving something we sent at a known time bounds the
// offset from above (a pong against its ping; the receipt of a page against
// when its navigation was issued).
//
// Pings go every 50 ms until the estimate settles (one came back within
// 2 ms, or five came back), then every 2 s. All times in milliseconds, ours
// on the precise clock; nothing here reads a clock.
#include <chrono>
#include <optional>

namespace browser {

class ClockOffset {
 public:
  // A ping was sent at `now`.
  void PingSent(double now);
  // The pong to the ping in flight, stamped `page_time` by the page and
  // received at `now`. False, changing nothing, when no ping is in flight.
  bool PongReceived(double page_time, double now);
  // The page stamped `page_time` on receiving what we sent at `sent`.
  void Bound(double page_time, double sent);

  // Whether the estimate is good enough to convert with.
  bool Settled() const;
  // When to ping next after a pong.
  std::chrono::milliseconds PingInterval() const;

  // The estimate, once a pong came back: the offset at the shortest round
  // trip, never more than the least bound.
  std::optional<double> Offset() const;
  // `page_time` on our clock; only once Offset() has a value.
  double ToOurs(double page_time) const { return page_time - *Offset(); }

 private:
  std::optional<double> ping_sent_at_;
  int pongs_ = 0;
  double best_round_trip_ = -1;
  std::optional<double> offset_;
  std::optional<double> least_bound_;
};

}  // namespace browser
