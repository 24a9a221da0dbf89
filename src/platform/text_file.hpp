#pragma once
// Text files as bytes: no transcoding, so ANSI and UTF-8 files pass through
// unchanged. Readers split lines at CR LF, a lone CR or a lone LF.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Reads a whole file. On failure returns nullopt and, when `error` is given,
// a short reason such as "No such file or directory".
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::string* error = nullptr);

// Writes a whole file in one piece (truncating it). Returns false on failure
// with the reason in `error`.
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes,
                    std::string* error = nullptr);

// Splits text into lines without their ends. Every CR LF, lone CR and lone LF
// ends a line; a final line end does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

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

// Whether a field reads as a number (optional sign, digits with an optional
// decimal point, optional exponent), and its value.
std::optional<double> ParseNumber(std::string_view text);

// ASCII letters in lower case; other bytes unchanged.
std::string AsciiLower(std::string_view text);

// Rounds half to even, the way the classic runtime converts to whole numbers.
double RoundHalfEven(double value);

// A field read into a 16-bit integer: a number rounded half to even, 0 when
// the field is not a number, nullopt when the number does not fit (an
// overflow, which leaves the target unchanged).
std::optional<std::int16_t> ToInt16(std::string_view text);

}  // namespace platform
