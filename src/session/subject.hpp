#pragma once
// Who the subject is, and when the session started.

namespace session {

// Only when the program was started with an argument and stimdeck.txt exists:
// the subject ID from the sibling program's current-subject file.
void ReadSiblingIdentifier();

// Asks for the subject ID when it is still empty (once; an empty answer stands).
void AskSubjectId();

// SessionDate "mm/dd/yy" and SessionTime "hh:mm", local time.
void StampSession();

}  // namespace session
