#include "report/svg_timeline.hpp"

#include <algorithm>
#include <cstdio>

namespace report {
namespace {

constexpr int kLabelWidth = 18;
constexpr int kLane = 8;
constexpr int kGap = 2;

std::string Number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  return buffer;
}

// The length of the UTF-8 sequence starting at text[i], or 0 when there is none.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  // Overlong three- and four-byte forms, surrogates and code points past U+10FFFF.
  if (length == 3 &&
      ((lead == 0xE0 && byte(i + 1) < 0xA0) || (lead == 0xED && byte(i + 1) > 0x9F))) {
    return 0;
  }
  if (length == 4 &&
      ((lead == 0xF0 && byte(i + 1) < 0x90) || (lead == 0xF4 && byte(i + 1) > 0x8F))) {
    return 0;
  }
  return length;
}

const char* Entity(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return "&#39;";
    default:
      return nullptr;
  }
}

}  // namespace

std::vector<BallHold> BallHolds(const Game& game, double* span) {
  std::vector<BallHold> holds;
  const bool timed = game.HasTimes();
  const auto at = [&](std::size_t index) {  // the moment of throw index+1
    return timed ? static_cast<double>(*game.throws[index].time) : static_cast<double>(index + 1);
  };
  const std::size_t count = game.throws.size();
  if (count == 0) {
    *span = 1;
    return holds;
  }
  // The last receiver holds it for a short tail, so that the end shows.
  const double last = at(count - 1);
  *span = timed ? std::max(1.0, last * 1.04) : last + 1;
  holds.push_back({game.throws[0].thrower, 0, at(0)});
  for (std::size_t k = 0; k < count; ++k) {
    const int receiver = game.throws[k].receiver;
    if (receiver == 0) continue;
    holds.push_back({receiver, at(k), k + 1 < count ? at(k + 1) : *span});
  }
  return holds;
}

std::string TimelineSvg(int players, const std::vector<BallHold>& holds, double span,
                        std::string_view label, int width) {
  const int height = players * (kLane + kGap);
  const double plot = width - kLabelWidth;
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"timeline\" width=\"" +
                    std::to_string(width) + "\" height=\"" + std::to_string(height) +
                    "\" viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) +
                    "\" role=\"img\"><title>" + HtmlEscape(label) + "</title>";
  for (int p = 1; p <= players; ++p) {
    const int y = (p - 1) * (kLane + kGap);
    svg += "<text x=\"0\" y=\"" + std::to_string(y + kLane - 1) + "\">P" + std::to_string(p) +
           "</text><rect class=\"lane\" x=\"" + std::to_string(kLabelWidth) + "\" y=\"" +
           std::to_string(y) + "\" width=\"" + Number(plot) + "\" height=\"" +
           std::to_string(kLane) + "\"/>";
  }
  for (const BallHold& hold : holds) {
    if (hold.player < 1 || hold.player > players || !(span > 0)) continue;
    const double from = std::clamp(hold.from, 0.0, span);
    const double to = std::clamp(hold.to, 0.0, span);
    if (to < from) continue;
    const double x = kLabelWidth + from / span * plot;
    const double w = std::max(1.0, (to - from) / span * plot);
    svg += std::string("<rect class=\"") + (hold.player == 2 ? "hold you" : "hold") + "\" x=\"" +
           Number(std::min(x, width - 1.0)) + "\" y=\"" +
           std::to_string((hold.player - 1) * (kLane + kGap)) + "\" width=\"" + Number(w) +
           "\" height=\"" + std::to_string(kLane) + "\"/>";
  }
  return svg + "</svg>";
}

std::string HtmlEscape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (const char* entity = Entity(text[i])) {
      out += entity;
      ++i;
      continue;
    }
    const std::size_t length = Utf8Length(text, i);
    if (length == 0) {
      out += "&#" + std::to_string(static_cast<unsigned char>(text[i])) + ";";
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out;
}

}  // namespace report
