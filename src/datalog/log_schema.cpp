#include "datalog/log_schema.hpp"

namespace datalog {
namespace {

std::size_t LineEndLength(std::string_view text, std::size_t i) {
  return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the line holding position `i` ends, past its line end.
std::size_t NextLine(std::string_view text, std::size_t i) {
  while (i < text.size() && !IsLineEnd(text[i])) ++i;
  return i < text.size() ? i + LineEndLength(text, i) : i;
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string IdentityText(const std::array<std::string, kIdentityFields>& fields) {
  std::string text = CsvField(fields[0]);
  for (std::size_t i = 1; i < fields.size(); ++i) text += "," + CsvField(fields[i]);
  return text;
}

std::vector<CsvRecord> ParseCsv(std::string_view text) {
  std::vector<CsvRecord> records;
  std::size_t i = 0;
  int line = 1;
  const std::size_t n = text.size();
  while (i < n) {
    if (IsLineEnd(text[i])) {  // a blank line
      i += LineEndLength(text, i);
      ++line;
      continue;
    }
    CsvRecord record;
    record.line = line;
    const std::size_t record_start = i;
    for (;;) {
      std::string field;
      if (text[i] == '"') {
        ++i;
        bool closed = false;
        while (i < n) {
          if (text[i] == '"') {
            if (i + 1 < n && text[i + 1] == '"') {
              field += '"';
              i += 2;
              continue;
            }
            ++i;
            closed = true;
            break;
          }
          if (IsLineEnd(text[i])) {
            const std::size_t length = LineEndLength(text, i);
            field.append(text.substr(i, length));
            i += length;
            ++line;
            continue;
          }
          field += text[i++];
        }
        const bool clean_end = i >= n || text[i] == ',' || IsLineEnd(text[i]);
        if (!closed || !clean_end) {
          // A stray quote may have swallowed the lines after it: the record
          // costs only its own first line, and reading resumes on the next.
          record.error = !closed               ? "a quoted field is never closed"
                         : line != record.line ? "a quoted field is not closed on its line"
                                               : "text after a quoted field's closing quote";
          i = NextLine(text, record_start);
          line = record.line + 1;
          break;
        }
      } else {
        while (i < n && text[i] != ',' && !IsLineEnd(text[i])) field += text[i++];
      }
      record.fields.push_back(std::move(field));
      if (i < n && text[i] == ',') {
        ++i;
        if (i < n) continue;
        record.fields.emplace_back();  // a comma at the very end of the text
        break;
      }
      if (i < n) {
        i += LineEndLength(text, i);
        ++line;
      }
      break;
    }
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace datalog
