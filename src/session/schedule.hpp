#pragma once
// The throw schedule: reading, randomising and checking it.

namespace session {

// Shuffles the throws of each block of LineThrows (entries 1..k) among
// themselves by setting every entry's Source. Reseeds the generator from the
// time of day first. A block number above k leaves every Source at 0.
void RandomiseLine();

// Reads the schedule file into ThrowSchedule, one thrower per line,
// randomising each line within its blocks, and refuses a schedule that breaks
// a rule with a "Schedule Problem" message that ends the program. Needs
// NumPlayers and TotalThrows, and ThrowSchedule sized and zeroed.
void LoadSchedule();

}  // namespace session
