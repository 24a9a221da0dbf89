#pragma once
// How the program reads numbers from text fields and rounds them.
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Whether a field reads as a number (optional sign, digits with an optional
// decimal point, optional exponent), and its value.
std::optional<double> ParseNumber(std::string_view text);

// Rounds half to even, the way the classic runtime converts to whole numbers.
double RoundHalfEven(double value);

// A field read into a 16-bit integer: a number rounded half to even, 0 when
// the field is not a number, nullopt when the number does not fit (an
// overflow, which leaves the target unchanged).
std::optional<std::int16_t> ToInt16(std::string_view text);

}  // namespace platform
