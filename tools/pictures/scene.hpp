#pragma once
// The drawings of the shipped experiment: the playing field with its players
// as simple figures, the ball's flight from thrower to receiver, and the
// avatar pictures. Everything is drawn with cairo.
#include <cstdint>
#include <string>
#include <vector>

namespace pictures {

// The animation size; html/template.htm gives its picture the same size.
constexpr int kWidth = 600;
constexpr int kHeight = 420;

struct Frame {
  std::vector<std::uint32_t> pixels;  // kWidth x kHeight, cairo ARGB32, opaque
  int delay_cs = 0;                   // how long the frame stays, in 1/100 s
};

// The ball going from `thrower` to `receiver` (players 1 to 4) in a game of
// `players` (3 or 4): the thrower holds it, throws it in an arc that takes
// about a second, and the last frame shows the receiver holding it.
std::vector<Frame> ThrowFrames(int players, int thrower, int receiver);

// The opening screen: the players in their places and the ball dropping into
// the middle of the field, where it comes to rest; nobody holds it.
std::vector<Frame> StartFrames(int players);

struct Rgb {
  double r, g, b;
};

// A neutral head-and-shoulders avatar on a tinted disc, `size` pixels square,
// written as PNG. Throws std::runtime_error when it can't be written.
void WriteAvatar(const std::string& path, Rgb colour, int size);

}  // namespace pictures
