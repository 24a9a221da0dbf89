#include "browser/clock_offset.hpp"

#include <algorithm>
#include <utility>

namespace browser {

void ClockOffset::PingSent(double now) { ping_sent_at_ = now; }

bool ClockOffset::PongReceived(double page_time, double now) {
  if (!ping_sent_at_) return false;
  const double sent = *std::exchange(ping_sent_at_, std::nullopt);
  const double round_trip = now - sent;
  Bound(page_time, sent);
  ++pongs_;
  // The shortest round trip bounds the error best.
  if (best_round_trip_ < 0 || round_trip < best_round_trip_) {
    best_round_trip_ = round_trip;
    offset_ = page_time - (now - round_trip / 2);
  }
  return true;
}

void ClockOffset::Bound(double page_time, double sent) {
  const double bound = page_time - sent;
  if (!least_bound_ || bound < *least_bound_) least_bound_ = bound;
}

bool ClockOffset::Settled() const { return pongs_ >= 5 || (pongs_ > 0 && best_round_trip_ <= 2); }

std::chrono::milliseconds ClockOffset::PingInterval() const {
  return Settled() ? std::chrono::milliseconds(2000) : std::chrono::milliseconds(50);
}

std::optional<double> ClockOffset::Offset() const {
  if (!offset_) return std::nullopt;
  return least_bound_ ? std::min(*offset_, *least_bound_) : *offset_;
}

}  // namespace browser
