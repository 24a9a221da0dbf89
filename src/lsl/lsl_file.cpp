#include "lsl/lsl_file.hpp"

#include <cstdint>
#include <cstdio>

#include "platform/fields.hpp"
#include "platform/file_io.hpp"

namespace lsl_out {
namespace {

// What a stream name or source ID may not hold, or "": LabRecorder shows and
// stores them as text, and a control character would garble both.
std::string Unfit(std::string_view value, std::string_view what, std::size_t longest) {
  if (value.size() > longest) {
    return "the " + std::string(what) + " is " + std::to_string(value.size()) +
           " characters long; it may have " + std::to_string(longest) + " at most";
  }
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      return "the " + std::string(what) + " holds a control character";
    }
  }
  return "";
}

}  // namespace

std::string DefaultSourceId(const std::filesystem::path& folder, const std::string& machine) {
  // FNV-1a, 64 bits: stable across runs and builds, unlike std::hash.
  std::uint64_t hash = 14695981039346656037ull;
  const std::string key = machine + '\n' + folder.generic_string();
  for (const char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::string("volleta-") + hex;
}

std::optional<LslFile> ParseLslFile(std::string_view text, const std::filesystem::path& folder,
                                    const std::string& machine, LslFault* fault) {
  const auto fail = [fault](int line, std::string reason) -> std::optional<LslFile> {
    if (fault != nullptr) *fault = {line, std::move(reason)};
    return std::nullopt;
  };
  const std::vector<std::string> lines = platform::SplitLines(text);
  LslFile file;
  file.name = lines.empty() ? "" : std::string(platform::TrimBlanks(lines[0]));
  if (file.name.empty()) file.name = kDefaultStreamName;
  if (std::string why = Unfit(file.name, "stream name", 100); !why.empty()) return fail(1, why);
  for (const char* reserved : {"-onsets", "-pilot"}) {
    if (file.name.ends_with(reserved)) {
      return fail(1, "the stream name ends in \"" + std::string(reserved) +
                         "\", which Volleta adds to name its other streams");
    }
  }
  file.source_id = lines.size() < 2 ? "" : std::string(platform::TrimBlanks(lines[1]));
  if (std::string why = Unfit(file.source_id, "source ID", 200); !why.empty()) return fail(2, why);
  if (file.source_id.empty()) file.source_id = DefaultSourceId(folder, machine);
  for (std::size_t n = 2; n < lines.size(); ++n) {
    if (!platform::TrimBlanks(lines[n]).empty()) {
      return fail(static_cast<int>(n) + 1,
                  "only the stream name (line 1) and the source ID (line 2) may be given");
    }
  }
  return file;
}

}  // namespace lsl_out
