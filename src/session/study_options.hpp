#pragma once
// volleta.ini in the program folder, beside ttl.txt: the study's own choices
// for options the settings files never had, so that a launcher that passes no
// option gets them too. One "name = value" a line; blank lines and lines
// starting with "#" or ";" are ignored. Names and values are case-insensitive.
//   fullscreen = yes    the window full screen without a title bar (as --fullscreen)
#include <optional>
#include <string>

namespace session {

inline constexpr const char* kStudyOptionsFile = "volleta.ini";

struct StudyOptions {
  bool fullscreen = false;
};

// Reads volleta.ini; no file gives the defaults. On a fault returns nullopt
// with `fault` naming the file, the line and what is wrong with it.
std::optional<StudyOptions> ReadStudyOptions(std::string* fault);

// As ReadStudyOptions, but a fault is refused with a message box and ends the
// program with status 2, before anything is shown.
StudyOptions StudyOptionsOrRefuse();

}  // namespace session
