#pragma once
// A setting that holds whatever the file gave: it keeps the field's text as
// read, and its number when the text reads as one. It compares as its number
// and is written out (into messages, pages and logs) as its text.
#include <optional>
#include <string>

namespace session {

class Value {
 public:
  Value() = default;  // empty: empty text, no number

  // A field as read from a file: a number when it reads as one.
  static Value FromField(std::string text);
  // A text that never counts as a number.
  static Value FromText(std::string text);
  // A number written as plain decimal text.
  static Value FromNumber(double number);

  const std::string& Text() const { return text_; }
  bool IsNumber() const { return number_.has_value(); }
  bool IsEmpty() const { return text_.empty() && !number_; }
  // The number, or 0 for a text (as an empty setting counts in arithmetic).
  double Number() const { return number_.value_or(0.0); }

  // Compares as a number: a text never equals a number.
  bool operator==(double number) const { return number_ && *number_ == number; }

 private:
  std::string text_;
  std::optional<double> number_;
};

}  // namespace session
