#pragma once
// Writing a game page from the experimenter's template and showing it.

namespace page {

enum class PageKind {
  kOpening,        // the first game screen: nobody holds the ball yet
  kSubjectThrow,   // the subject (Player 2) has just thrown
  kComputerThrow,  // a computer player has just thrown
};

// Reads html/template.htm afresh, applies the substitutions for this kind,
// thrower and receiver, writes the page in one piece to html/quindle.htm and
// only then sends the browser window (Module1::BrowserEvents' Sink) to it.
void ComposeGamePage(PageKind kind, int thrower, int receiver);

}  // namespace page
