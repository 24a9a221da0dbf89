#include "page/key_script.hpp"

#include <string_view>

#include "session/module1.hpp"

namespace page {
namespace {

// Every line of the script is space-filled to a fixed width; the lines that
// set the window location are two shorter. The trailing spaces are part of
// the page the experimenter's templates were laid out against, so they stay.
constexpr std::size_t kLineWidth = 49;
constexpr std::size_t kLocationWidth = 47;

struct Line {
  std::string_view text;
  std::size_t width;
  bool four_players_only;
};

// Line 8 was "else if (document.layers)": current browsers have no
// document.layers and treat document.all as false, so the handler never set
// myChar and threw on every key. A plain else reads e.which, which they all
// provide.
constexpr Line kLines[] = {
    {"<script language=\"JavaScript\"><!--", kLineWidth, false},
    {"function getChar(e) {", kLineWidth, false},
    {"    var myChar;", kLineWidth, false},
    {"    if (document.all) {", kLineWidth, false},
    {"        e = window.event;", kLineWidth, false},
    {"        myChar = String.fromCharCode(e.keyCode);", kLineWidth, false},
    {"    }", kLineWidth, false},
    {"    else", kLineWidth, false},
    {"        myChar = String.fromCharCode(e.which);", kLineWidth, false},
    {"", kLineWidth, false},
    {"    switch(myChar.toUpperCase()) {", kLineWidth, false},
    {"        case '1':", kLineWidth, false},
    {"           window.location=\"2to1.htm\";", kLocationWidth, false},
    {"            break;", kLineWidth, false},
    {"        case '2':", kLineWidth, false},
    {"", kLocationWidth, false},  // key 2: its target depends on the player count
    {"            break;", kLineWidth, false},
    {"        case '3':", kLineWidth, true},
    {"           window.location=\"2to3.htm\";", kLocationWidth, true},
    {"            break;", kLineWidth, true},
    {"        default:", kLineWidth, false},
    {"            return false;", kLineWidth, false},
    {"    }", kLineWidth, false},
    {"}", kLineWidth, false},
    {"document.onkeypress = getChar;", kLineWidth, false},
    {"//--></script>", kLineWidth, false},
};
constexpr std::size_t kKeyTwoLine = 15;

static_assert([] {
  for (const Line& line : kLines) {
    if (line.text.size() > line.width) return false;
  }
  return true;
}());

}  // namespace

std::string BuildKeyScript() {
  using Module1::NumPlayers;
  const bool four = NumPlayers == 4;
  if (!four && !(NumPlayers == 3)) return std::string();

  // In a 4-player game key 2 means Player 4 and key 3 Player 3.
  const std::string_view key_two = four ? "           window.location=\"2to4.htm\";"
                                        : "           window.location=\"2to3.htm\";";
  std::string script;
  script.reserve(1400);
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    const Line& line = kLines[i];
    if (line.four_players_only && !four) continue;
    const std::string_view text = i == kKeyTwoLine ? key_two : line.text;
    script += "\r\n";
    script += text;
    script.append(line.width - text.size(), ' ');
  }
  return script;
}

}  // namespace page
