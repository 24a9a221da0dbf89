#pragma once
// The Lab Streaming Layer outputs, a marker output beside the TTL port: with
// lsl.txt in the study folder, two outlets are created at start-up, before
// the participant sees anything, so that a recorder can pick them up early.
//   NAME         one int32 sample per catch, stamped with lsl_local_clock()
//                read with the catch's time.csv stamp;
//   NAME-onsets  one sample per presented throw picture, stamped with the
//                picture's onset (the one onset.csv holds) on the LSL clock.
// A pilot publishes NAME-pilot and NAME-pilot-onsets instead. The value is the
// receiver's code from ttl.txt, or the receiver's player number when the
// study has no valid ttl.txt. The streams' descriptions say which, and what
// the study, condition, subject and program were.
#include <cstdint>
#include <string>

#include <boost/asio/io_context.hpp>

namespace lsl_out {

struct SessionFacts {
  bool pilot = false;
  std::string display;  // how the pictures reach the screen, as the terminal reports it
};

// Start-up, after the session set-up (ttl.txt read: TtlEnabled says whether
// its codes are valid): reads lsl.txt and, when it is there, creates the
// outlets and watches on `io` for recorders connecting. A faulty lsl.txt, or
// outlets that cannot be created, are refused with an "LSL Problem" box
// (status 2). Without lsl.txt it does nothing.
void OpenOutletsForSession(boost::asio::io_context& io, const SessionFacts& facts);

// Takes the outlets down; call it before the event loop goes.
void CloseOutletsForSession();

// What the session published, for its record: "off", or the two streams'
// names and what their values are.
const std::string& OutletsDescription();

// The LSL clock now, in seconds (0 while the outlets are not open).
double LocalClock();

// A catch by `receiver` (1 to 4) at `stamp`, a LocalClock reading.
void MarkCatch(std::int16_t receiver, double stamp);

// The picture of a throw to `receiver` was presented at `program_ms`, on the
// clock of platform::PreciseMilliseconds.
void MarkOnset(std::int16_t receiver, double program_ms);

// --check: the "LSL output: ..." line (with its end). A faulty lsl.txt is
// refused as at start-up; the outlets are created and taken down again.
std::string CheckOutletsForSession(const SessionFacts& facts);

}  // namespace lsl_out
