#pragma once
// A game as a small picture: one lane per player, a bar for each stretch in
// which that player held the ball. Plain SVG, so the report needs no script
// and no fetch to show it.
#include <string>
#include <string_view>
#include <vector>

#include "report/log_reader.hpp"

namespace report {

struct BallHold {
  int player = 0;  // 1 to 4
  double from = 0;
  double to = 0;
};

// Who held the ball when, on an axis from 0 to `*span`: milliseconds since the
// game start when the game has times, else throw numbers (each throw one
// unit). Player 1 holds it until the first throw, each receiver until the
// next throw, the last one to the end of the axis; a throw to nobody leaves a
// gap.
std::vector<BallHold> BallHolds(const Game& game, double* span);

// The picture, `width` pixels wide, with `label` as its accessible title.
// Stretches are clipped to the axis; a stretch too short to see is drawn one
// pixel wide. Lane 2, the participant's, has its own colour.
std::string TimelineSvg(int players, const std::vector<BallHold>& holds, double span,
                        std::string_view label, int width = 320);

// Text made safe for HTML content and attribute values. Bytes that are not
// UTF-8 (a log written in an 8-bit code page) become character references,
// which browsers read as Windows-1252 letters.
std::string HtmlEscape(std::string_view text);

}  // namespace report
