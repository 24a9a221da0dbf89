#include "scene.hpp"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace pictures {
namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb kBackground{0xf6 / 255.0, 0xf8 / 255.0, 0xfb / 255.0};
constexpr Rgb kFloor{0xe6 / 255.0, 0xec / 255.0, 0xf4 / 255.0};
constexpr Rgb kShadow{0xd3 / 255.0, 0xdb / 255.0, 0xe6 / 255.0};
constexpr Rgb kTrousers{0x47 / 255.0, 0x4e / 255.0, 0x5c / 255.0};
constexpr Rgb kBall{0xe0 / 255.0, 0x53 / 255.0, 0x3c / 255.0};
constexpr Rgb kInk{0x2e / 255.0, 0x34 / 255.0, 0x40 / 255.0};

// Shirt colours by player number; the avatars of the same names match them.
constexpr std::array<Rgb, 5> kShirt{{
    {0, 0, 0},
    {0x4f / 255.0, 0x7c / 255.0, 0xc4 / 255.0},  // Player 1: blue
    {0x3a / 255.0, 0xa1 / 255.0, 0x7e / 255.0},  // Player 2: green
    {0x8a / 255.0, 0x63 / 255.0, 0xc2 / 255.0},  // Player 3: purple
    {0xd9 / 255.0, 0x89 / 255.0, 0x3b / 255.0},  // Player 4: orange
}};

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
constexpr Rgb kWhite{1, 1, 1};
constexpr Rgb kBlack{0, 0, 0};

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

struct Point {
  double x, y;
};
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double Length(Point a) { return std::hypot(a.x, a.y); }
Point Unit(Point a) {
  const double n = Length(a);
  return n > 0 ? a * (1.0 / n) : Point{0, 0};
}

// Where a player stands: the point between the feet, and a size factor that
// makes the far player (top) a little smaller and the subject a little larger.
struct Place {
  Point feet;
  double scale;
};

Place PlaceOf(int players, int p) {
  if (players == 4) {
    switch (p) {
      case 1:
        return {{88, 292}, 1.2};
      case 2:
        return {{300, 404}, 1.3};
      case 3:
        return {{512, 292}, 1.2};
      default:
        return {{300, 150}, 1.08};
    }
  }
  switch (p) {
    case 1:
      return {{96, 256}, 1.2};
    case 2:
      return {{300, 404}, 1.3};
    default:
      return {{504, 256}, 1.2};
  }
}

Point FieldCentre(int players) { return players == 4 ? Point{300, 272} : Point{300, 288}; }

// Where the ball lies before anyone has it: on the ground, clear of everyone.
Point RestingPlace(int players) { return players == 4 ? Point{300, 232} : Point{300, 222}; }

enum class Pose { kIdle, kHold, kWindUp, kRelease, kCatch };

struct Figure {
  Pose pose = Pose::kIdle;
  Point toward{0, 0};  // unit direction of the throw or of the coming ball
};

// Figure geometry in its own units: origin between the feet, y upwards
// negative, about 110 units tall.
constexpr Point kShoulderL{-13, -71};
constexpr Point kShoulderR{13, -71};
constexpr Point kHoldBall{0, -58};

Point ToWorld(const Place& place, Point local) { return place.feet + local * place.scale; }

// The hand that throws: the one on the side of the receiver.
bool ThrowsRight(Point toward) { return toward.x >= 0; }

Point WindUpHand(Point toward) {
  const bool right = ThrowsRight(toward);
  const Point shoulder = right ? kShoulderR : kShoulderL;
  return shoulder + Point{right ? 6.0 : -6.0, -24};
}

// Where the ball sits in this player's hands for the given pose.
Point BallAt(const Place& place, const Figure& f) {
  if (f.pose == Pose::kWindUp) return ToWorld(place, WindUpHand(f.toward) + Point{0, -6});
  return ToWorld(place, kHoldBall);
}

void Arm(cairo_t* cr, Point shoulder, Point hand, Rgb shirt, Rgb skin) {
  SetColour(cr, shirt);
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, shoulder.x, shoulder.y);
  cairo_line_to(cr, hand.x, hand.y);
  cairo_stroke(cr);
  SetColour(cr, skin);
  cairo_arc(cr, hand.x, hand.y, 4.2, 0, 2 * kPi);
  cairo_fill(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void DrawFigure(cairo_t* cr, const Place& place, int player, const Figure& f) {
  const Rgb shirt = kShirt[static_cast<std::size_t>(player)];
  const Rgb skin = Mix(shirt, kWhite, 0.62);
  const Rgb line = Mix(shirt, kBlack, 0.25);

  cairo_save(cr);
  cairo_translate(cr, place.feet.x, place.feet.y);
  cairo_scale(cr, place.scale, place.scale);

  // Shadow on the ground.
  SetColour(cr, kShadow);
  cairo_save(cr);
  cairo_scale(cr, 1.0, 0.26);
  cairo_arc(cr, 0, 0, 26, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_fill(cr);

  // Legs.
  SetColour(cr, kTrousers);
  cairo_set_line_width(cr, 8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, -7, -34);
  cairo_line_to(cr, -10, -3);
  cairo_move_to(cr, 7, -34);
  cairo_line_to(cr, 10, -3);
  cairo_stroke(cr);

  // Hands by pose.
  Point left{-22, -43};
  Point right{22, -43};
  switch (f.pose) {
    case Pose::kIdle:
      break;
    case Pose::kHold:
      left = {-8, -55};
      right = {8, -55};
      break;
    case Pose::kWindUp:
      (ThrowsRight(f.toward) ? right : left) = WindUpHand(f.toward);
      break;
    case Pose::kRelease: {
      const bool r = ThrowsRight(f.toward);
      const Point shoulder = r ? kShoulderR : kShoulderL;
      (r ? right : left) = shoulder + f.toward * 27;
      break;
    }
    case Pose::kCatch:
      left = Point{-17, -88} + f.toward * 7;
      right = Point{17, -88} + f.toward * 7;
      break;
  }

  // Arms that hang or hold go behind the body; raised ones in front of it.
  const bool arms_in_front = f.pose == Pose::kHold;
  if (!arms_in_front) {
    Arm(cr, kShoulderL, left, shirt, skin);
    Arm(cr, kShoulderR, right, shirt, skin);
  }

  // Body.
  RoundedRect(cr, -16, -80, 32, 50, 10);
  SetColour(cr, shirt);
  cairo_fill_preserve(cr);
  SetColour(cr, line);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);

  if (arms_in_front) {
    Arm(cr, kShoulderL, left, shirt, skin);
    Arm(cr, kShoulderR, right, shirt, skin);
  }

  // Head with a friendly face.
  cairo_arc(cr, 0, -95, 15, 0, 2 * kPi);
  SetColour(cr, skin);
  cairo_fill_preserve(cr);
  SetColour(cr, line);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  SetColour(cr, kInk);
  cairo_arc(cr, -5, -97, 1.9, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_arc(cr, 5, -97, 1.9, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.6);
  cairo_arc(cr, 0, -93, 6, kPi * 0.18, kPi * 0.82);
  cairo_stroke(cr);

  cairo_restore(cr);
}

struct Ball {
  Point at;
  double radius;
  bool shadow;    // a shadow on the ground while it flies
  Point ground;   // where that shadow falls
  double height;  // how high above the ground it is
};

void DrawBall(cairo_t* cr, const Ball& ball) {
  if (ball.shadow) {
    const double k = std::clamp(1.0 - ball.height / 260.0, 0.35, 1.0);
    cairo_save(cr);
    cairo_translate(cr, ball.ground.x, ball.ground.y);
    cairo_scale(cr, 1.0, 0.32);
    cairo_arc(cr, 0, 0, 12 * k, 0, 2 * kPi);
    cairo_restore(cr);
    SetColour(cr, kShadow, 0.5 + 0.5 * k);
    cairo_fill(cr);
  }
  cairo_arc(cr, ball.at.x, ball.at.y, ball.radius, 0, 2 * kPi);
  SetColour(cr, kBall);
  cairo_fill_preserve(cr);
  SetColour(cr, Mix(kBall, kBlack, 0.25));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_arc(cr, ball.at.x - ball.radius * 0.32, ball.at.y - ball.radius * 0.32, ball.radius * 0.3,
            0, 2 * kPi);
  SetColour(cr, kWhite, 0.55);
  cairo_fill(cr);
}

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

Frame Render(int players, const std::array<Figure, 5>& figures, const Ball& ball, int delay_cs) {
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight),
                  &cairo_surface_destroy);
  Context cr(cairo_create(surface.get()), &cairo_destroy);
  cairo_t* c = cr.get();

  SetColour(c, kBackground);
  cairo_paint(c);
  const Point centre = FieldCentre(players);
  cairo_save(c);
  cairo_translate(c, centre.x, centre.y);
  cairo_scale(c, 1.0, players == 4 ? 0.57 : 0.5);
  cairo_arc(c, 0, 0, 252, 0, 2 * kPi);
  cairo_restore(c);
  SetColour(c, kFloor);
  cairo_fill(c);

  // Far players first, so nearer ones overlap them.
  const std::array<int, 4> order{4, 1, 3, 2};
  for (int p : order) {
    if (p == 4 && players == 3) continue;
    DrawFigure(c, PlaceOf(players, p), p, figures[static_cast<std::size_t>(p)]);
  }
  DrawBall(c, ball);

  cairo_surface_flush(surface.get());
  Frame frame;
  frame.delay_cs = delay_cs;
  frame.pixels.resize(static_cast<std::size_t>(kWidth) * kHeight);
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < kHeight; ++y) {
    std::memcpy(&frame.pixels[static_cast<std::size_t>(y) * kWidth], data + y * stride,
                static_cast<std::size_t>(kWidth) * 4);
  }
  return frame;
}

Ball HeldBall(Point at, double scale) { return {at, 7.5 * scale, false, {0, 0}, 0}; }

}  // namespace

std::vector<Frame> ThrowFrames(int players, int thrower, int receiver) {
  const Place from = PlaceOf(players, thrower);
  const Place to = PlaceOf(players, receiver);
  const Point toward = Unit(to.feet - from.feet);

  std::array<Figure, 5> figures{};
  std::vector<Frame> frames;

  // The thrower holds the ball as the last throw left it, then winds up.
  figures[thrower] = {Pose::kHold, toward};
  frames.push_back(
      Render(players, figures, HeldBall(BallAt(from, figures[thrower]), from.scale), 12));
  figures[thrower] = {Pose::kWindUp, toward};
  const Point start = BallAt(from, figures[thrower]);
  frames.push_back(Render(players, figures, HeldBall(start, from.scale), 10));

  // The flight: a quadratic curve bowing upwards, 24 frames of 40 ms.
  const Point end = BallAt(to, {Pose::kHold, toward * -1});
  // A high lob across the field, a flatter one up or down it.
  const Point control = (start + end) * 0.5 + Point{0, -(30 + 0.3 * std::abs(end.x - start.x))};
  constexpr int kSteps = 24;
  for (int i = 1; i <= kSteps; ++i) {
    const double t = static_cast<double>(i) / (kSteps + 1);
    const double u = 1 - t;
    const Point at = start * (u * u) + control * (2 * u * t) + end * (t * t);
    const Point ground = from.feet + (to.feet - from.feet) * t;
    const Point line = start + (end - start) * t;
    Ball ball{at, 7.5 * (from.scale + (to.scale - from.scale) * t) * (1 + 0.3 * std::sin(kPi * t)),
              true, ground, line.y - at.y + 58};
    figures[thrower] = {t < 0.3 ? Pose::kRelease : Pose::kIdle, toward};
    figures[receiver] = {t > 0.55 ? Pose::kCatch : Pose::kIdle, toward * -1};
    frames.push_back(Render(players, figures, ball, 4));
  }

  figures[thrower] = {Pose::kIdle, toward};
  figures[receiver] = {Pose::kHold, toward * -1};
  frames.push_back(Render(players, figures, HeldBall(end, to.scale), 10));
  return frames;
}

std::vector<Frame> StartFrames(int players) {
  const std::array<Figure, 5> figures{};
  const Point centre = RestingPlace(players);
  constexpr double kRadius = 9.0;

  // A ball dropped from a little height (below the far player's feet),
  // bouncing to rest: 26 frames of 40 ms, the motion stepped finely between.
  double height = 70;
  double speed = 0;
  constexpr double kGravity = 1400;  // px/s^2: the first fall takes about 0.3 s
  constexpr double kBounce = 0.42;
  std::vector<Frame> frames;
  for (int i = 0; i < 26; ++i) {
    const bool last = i == 25;
    if (last) height = 0;
    const Ball ball{{centre.x, centre.y - kRadius - height}, kRadius, true, centre, height};
    frames.push_back(Render(players, figures, ball, last ? 10 : 4));
    for (int step = 0; step < 40; ++step) {
      speed += kGravity * 0.001;
      height -= speed * 0.001;
      if (height < 0) {
        height = 0;
        speed = speed < 60 ? 0 : -speed * kBounce;
      }
    }
  }
  return frames;
}

void WriteAvatar(const std::string& path, Rgb colour, int size) {
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size),
                  &cairo_surface_destroy);
  Context cr(cairo_create(surface.get()), &cairo_destroy);
  cairo_t* c = cr.get();
  const double s = size / 96.0;
  cairo_scale(c, s, s);

  cairo_arc(c, 48, 48, 47, 0, 2 * kPi);
  SetColour(c, Mix(colour, kWhite, 0.68));
  cairo_fill_preserve(c);
  cairo_clip(c);

  SetColour(c, colour);
  cairo_arc(c, 48, 40, 17, 0, 2 * kPi);
  cairo_fill(c);
  cairo_save(c);
  cairo_translate(c, 48, 96);
  cairo_scale(c, 1.0, 0.85);
  cairo_arc(c, 0, 0, 33, 0, 2 * kPi);
  cairo_restore(c);
  cairo_fill(c);

  if (cairo_surface_write_to_png(surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("could not write " + path);
  }
}

}  // namespace pictures
