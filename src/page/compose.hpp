#pragma once
// Writing a game page from the experimenter's template.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace page {

enum class PageKind {
  kOpening,        // the first game screen: nobody holds the ball yet
  kSubjectThrow,   // the subject (Player 2) has just thrown
  kComputerThrow,  // a computer player has just thrown
};

// A game page as composed for this run's window.
struct GamePage {
  std::filesystem::path file;  // html/quindle.htm: the page's name for the window
  std::string text;            // its bytes, which the window is given
  std::string write_error;     // why the file could not be written; empty when it was
};

// Reads html/template.htm afresh, applies the substitutions for this kind,
// thrower and receiver, and writes the page in one piece to html/quindle.htm.
// The window is shown the bytes returned, never the file, which another
// station sharing the folder may overwrite at any moment. Throws
// std::runtime_error, naming the file and the reason, when the template
// cannot be read.
GamePage ComposeGamePage(PageKind kind, int thrower, int receiver);

// The page ComposeGamePage would compose now, read from the template as it
// does but written nowhere (write_error stays empty); nullopt when the
// template can't be read. Reads the session state and changes nothing.
std::optional<GamePage> ComposeStagedPage(PageKind kind, int thrower, int receiver);

// The bytes of the page file made from `template_bytes` (the template file's
// whole content) for the current session state: every template line preceded
// by CR LF, the substitutions applied, and a final CR LF.
std::string ComposePageText(PageKind kind, int thrower, int receiver,
                            std::string_view template_bytes);

}  // namespace page
