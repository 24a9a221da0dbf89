#include "session/study_options.hpp"

#include "platform/fields.hpp"
#include "platform/file_io.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "session/refuse.hpp"

namespace session {

std::optional<StudyOptions> ReadStudyOptions(std::string* fault) {
  const std::filesystem::path path = platform::ProgramFolder() / kStudyOptionsFile;
  const std::string file = platform::TextOf(path);
  const auto fail = [fault](std::string reason) -> std::optional<StudyOptions> {
    if (fault != nullptr) *fault = std::move(reason);
    return std::nullopt;
  };
  StudyOptions options;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return options;
  std::string reason;
  const std::optional<std::string> text = platform::ReadFileBytes(path, &reason);
  if (!text) return fail(file + " could not be read (" + reason + ")");

  int number = 0;
  for (const std::string& raw : platform::SplitLines(*text)) {
    ++number;
    std::string_view line = platform::TrimBlanks(raw);
    if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
      line = platform::TrimBlanks(line.substr(3));
    if (line.empty() || line.front() == '#' || line.front() == ';') continue;
    const std::string where = file + " line " + std::to_string(number) + ": ";
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return fail(where + "\"" + std::string(line) + "\" is not of the form name = value");
    }
    const std::string name = platform::AsciiLower(platform::TrimBlanks(line.substr(0, equals)));
    const std::string value = platform::AsciiLower(platform::TrimBlanks(line.substr(equals + 1)));
    if (name == "fullscreen") {
      if (value != "yes" && value != "no") {
        return fail(where + "fullscreen is \"" + value + "\"; it must be yes or no");
      }
      options.fullscreen = value == "yes";
    } else {
      return fail(where + "\"" + name + "\" is not an option (the one option is fullscreen)");
    }
  }
  return options;
}

StudyOptions StudyOptionsOrRefuse() {
  std::string fault;
  const std::optional<StudyOptions> options = ReadStudyOptions(&fault);
  if (!options) {
    Refuse("Options Problem", fault + ".  See readme.htm for help.  " + std::string(kEndsProgram));
  }
  return *options;
}

}  // namespace session
