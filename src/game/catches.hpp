#pragma once
// A catch: the moment a player receives the ball. It is recorded in the throw
// log with its time and marked on the TTL port and the LSL marker stream, in that order, wherever a
// catch happens (a computer throw, the subject's throw, the end of the game).
#include <cstdint>

namespace game {

// Records throw `n` as caught by `receiver` now, and pulses the catch.
void RecordCatch(int n, std::int16_t receiver);
// Puts `receiver`'s TTL code on the port when TTL output is on, and marks the
// catch on the LSL outlets when they are open.
void PulseCatch(std::int16_t receiver);
// The last logged throw may not have been recorded when the game ended on it:
// it goes to whoever holds the ball, now, with its pulse.
void RecordLastCatch();
// Throw `n` was shown by the window's navigation `navigation` (0: not shown).
void RecordShown(int n, std::uint64_t navigation);
// The window presented navigation `navigation` at `time` (on the clock of
// platform::PreciseMilliseconds): the onset of the logged throw it showed.
// The first report counts; one for a throw not logged is ignored.
void RecordOnset(std::uint64_t navigation, double time);

}  // namespace game
