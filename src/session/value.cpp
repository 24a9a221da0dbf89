#include "session/value.hpp"

#include <cmath>
#include <cstdio>

#include "platform/numbers.hpp"

namespace session {

Value Value::FromField(std::string text) {
  Value v;
  v.number_ = platform::ParseNumber(text);
  v.text_ = std::move(text);
  return v;
}

Value Value::FromText(std::string text) {
  Value v;
  v.text_ = std::move(text);
  return v;
}

Value Value::FromNumber(double number) {
  Value v;
  v.number_ = number;
  char buffer[64];
  if (std::floor(number) == number && std::fabs(number) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.0f", number);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15g", number);
  }
  v.text_ = buffer;
  return v;
}

}  // namespace session
