#include "platform/numbers.hpp"

#include <cctype>
#include <charconv>
#include <cmath>

namespace platform {

std::optional<double> ParseNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Only plain decimal notation: from_chars alone would also take "inf" and "nan".
  if (i >= text.size() || !(std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) {
    return std::nullopt;
  }
  double value = 0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || ptr != last) return std::nullopt;
  return negative ? -value : value;
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

std::optional<std::int16_t> ToInt16(std::string_view text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::int16_t{0};
  const double rounded = RoundHalfEven(*number);
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace platform
