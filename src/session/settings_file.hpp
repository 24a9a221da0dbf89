#pragma once
// Choosing, remembering and reading the settings file.
#include <string>

namespace session {

inline constexpr const char* kDefaultSettingsFile = "4pl - ostracize subject.txt";
// The most throws a game may plan (record 2): the largest 16-bit throw number.
inline constexpr int kMaxThrows = 32767;

// Sets SettingsFile: the command-line argument when there is one, else the
// experimenter's choice in the file dialog (which proposes the remembered
// name). A cancelled dialog ends the program with status 1. The choice is
// remembered before anything else is done with it.
void ChooseSettingsFile();

// The name --check uses: the argument, else the remembered name. Nothing is
// asked and nothing is remembered.
void ChooseSettingsFileQuietly();

// Reads the ten records of the settings file into the session state, with the
// player-count and schedule-name checks, and the checks that keep the game
// from failing midway (delays, spacers). A refused file ends the program.
void ReadSettingsFile();

// A 3-player game has no Player 4, whatever the file says.
void ApplyThreePlayerOverride();

// Every name or picture that is "none" (any case, surrounding blanks ignored)
// becomes empty text; players 1 to 4, name before picture.
void NormalisePlayerFields();

}  // namespace session
