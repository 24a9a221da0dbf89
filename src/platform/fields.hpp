#pragma once
// The comma- and line-separated fields of the experimenter's text files.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads comma- and line-separated fields in the way the settings, stimdeck,
// subject and TTL files are written:
//   - blanks (spaces, tabs) before a field are skipped;
//   - a field in double quotes may hold commas and line ends; the quotes are
//     not part of it, and anything after the closing quote up to the next
//     separator is dropped;
//   - an unquoted field ends at a comma or a line end; its trailing blanks
//     are not part of it;
//   - an empty field (two commas in a row, or a blank line) is a field too.
class FieldReader {
 public:
  explicit FieldReader(std::string text);

  // The next field, or nullopt once the text is used up.
  std::optional<std::string> Next();

 private:
  bool AtLineEnd() const;
  void SkipSeparator();

  std::string text_;
  std::size_t pos_ = 0;
  bool after_comma_ = false;
};

// `text` without the blanks (spaces, tabs) at either end.
std::string_view TrimBlanks(std::string_view text);

// ASCII letters in lower case; other bytes unchanged.
std::string AsciiLower(std::string_view text);

}  // namespace platform
