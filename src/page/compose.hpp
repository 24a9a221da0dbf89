#pragma once
// Writing a game page from the experimenter's template.
#include <filesystem>
#include <string>
#include <string_view>

namespace page {

enum class PageKind {
  kOpening,        // the first game screen: nobody holds the ball yet
  kSubjectThrow,   // the subject (Player 2) has just thrown
  kComputerThrow,  // a computer player has just thrown
};

// Reads html/template.htm afresh, applies the substitutions for this kind,
// thrower and receiver, and writes the page in one piece to html/quindle.htm.
// Returns that file, for the window to be sent to once it is complete.
// Throws std::runtime_error, naming the file and the reason, when the template
// cannot be read or the page cannot be written.
std::filesystem::path ComposeGamePage(PageKind kind, int thrower, int receiver);

// The bytes of the page file made from `template_bytes` (the template file's
// whole content) for the current session state: every template line preceded
// by CR LF, the substitutions applied, and a final CR LF.
std::string ComposePageText(PageKind kind, int thrower, int receiver,
                            std::string_view template_bytes);

}  // namespace page
