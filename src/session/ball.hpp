#pragma once
// Who has the ball: the rule the game plays by and the report reads the logs
// by.

namespace session {

// The player who makes the next throw after one to `last_receiver`. Player 1
// starts with the ball (0: no throw yet), and picks it up again when a throw
// went to nobody (its thrower had nothing scheduled).
constexpr int NextThrower(int last_receiver) { return last_receiver != 0 ? last_receiver : 1; }

}  // namespace session
