#include "session/settings_file.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

#include "platform/dialogs.hpp"
#include "platform/fields.hpp"
#include "platform/file_io.hpp"
#include "platform/numbers.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "platform/user_settings.hpp"
#include "session/module1.hpp"
#include "session/refuse.hpp"

namespace session {
namespace {

constexpr const char* kSection = "settings";
constexpr const char* kKey = "lastsettings";

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A record: its label is read and thrown away, then its value fields.
class RecordReader {
 public:
  explicit RecordReader(std::string text) : fields_(std::move(text)) {}
  void Label() { fields_.Next(); }
  std::optional<std::string> Field() { return fields_.Next(); }
  // A value field into a Value; a field past the end leaves it as it was.
  void Into(Value& target) {
    if (auto f = fields_.Next()) target = Value::FromField(std::move(*f));
  }
  void Into(std::string& target) {
    if (auto f = fields_.Next()) target = std::move(*f);
  }

 private:
  platform::FieldReader fields_;
};

void RefuseDelay(const char* what, const Value& value) {
  Refuse(kSettingsProblem,
         std::string("The ") + what + " (record 9 of the settings file \"" + Module1::SettingsFile +
             "\") is \"" + value.Text() +
             "\".  It must be a number of seconds from 0 to 3600.  See readme.htm "
             "for help.  " +
             kEndsProgram);
}

// The name of a file picked in the dialog. Only the study's own settings
// folder is read, so a file picked anywhere else is refused rather than
// swapped for a same-named file there.
std::string PickedInSettingsFolder(const std::string& picked) {
  const std::filesystem::path path = platform::PathOf(picked);
  const std::string name = platform::TextOf(path.filename());
  if (!path.has_parent_path()) return name;
  const std::filesystem::path folder = platform::ProgramFolder() / "settings";
  std::error_code ec;
  if (std::filesystem::equivalent(path.parent_path(), folder, ec)) return name;
  Refuse(kSettingsProblem,
         "The settings file \"" + name + "\" was picked in " +
             platform::TextOf(path.parent_path()) +
             ", outside this study's settings folder.  The study's conditions live in its settings "
             "folder " +
             platform::TextOf(folder) +
             ": pick a file there, or copy this one there first.  See readme.htm for help.  " +
             kEndsProgram);
}

}  // namespace

void ChooseSettingsFile() {
  using Module1::SettingsFile;
  const std::string remembered = platform::GetSetting(kSection, kKey, kDefaultSettingsFile);
  if (Module1::Command.empty()) {
    const std::optional<std::string> chosen = platform::CurrentDialogs().OpenFile(
        "Select Settings File", platform::ProgramFolder() / "settings", remembered);
    if (!chosen) platform::EndProgram(platform::kExitCancelled);
    SettingsFile = PickedInSettingsFolder(*chosen);
  } else {
    SettingsFile = Module1::Command;
  }
  platform::SaveSetting(kSection, kKey, SettingsFile);
}

void ChooseSettingsFileQuietly() {
  Module1::SettingsFile = Module1::Command.empty()
                              ? platform::GetSetting(kSection, kKey, kDefaultSettingsFile)
                              : Module1::Command;
}

void ReadSettingsFile() {
  using namespace Module1;
  const std::filesystem::path folder = platform::ProgramFolder() / "settings";
  std::string reason;
  std::optional<std::string> text =
      platform::ReadFileBytes(folder / platform::PathOf(SettingsFile), &reason);
  if (!text) {
    Refuse(kSettingsProblem, "The settings file \"" + SettingsFile +
                                 "\" could not be read from the settings folder " +
                                 folder.string() + " (" + reason +
                                 ").  See readme.htm for help.  " + kEndsProgram);
  }
  RecordReader file(
      PlainText(kSettingsProblem, "The settings file \"" + SettingsFile + "\"", std::move(*text)));

  file.Label();
  file.Into(NumPlayers);
  if (!(NumPlayers == 3 || NumPlayers == 4)) {
    Refuse(kSettingsProblem, "You have requested a " + NumPlayers.Text() +
                                 "-player game.  Only 3 and 4-player games are allowed. See "
                                 "readme.htm for help.  This will end the program.");
  }

  file.Label();
  const std::string throws = file.Field().value_or("");
  file.Label();
  file.Into(ScheduleFile);
  if (ScheduleFile.size() < 4 ||
      platform::AsciiLower(ScheduleFile.substr(ScheduleFile.size() - 4)) != ".txt") {
    Refuse(kScheduleProblem,
           "As of Version 2, Volleta requires your schedule file to be in a text (.txt) "
           "format--see readme.htm for help with the new format.  This will end the program.");
  }

  file.Label();
  file.Into(StartPage);
  for (int p = 1; p <= 4; ++p) {
    file.Label();
    file.Into(PlayerNames[p]);
    file.Into(PlayerFaces[p]);
  }
  file.Label();
  file.Into(DelayMin);
  file.Into(DelayRandom);
  file.Label();
  file.Into(SpacerCount);

  // A delay or spacer count the game can't use would only fail midway through
  // a session; refuse it now, before a participant sees anything.
  const auto valid_delay = [](const Value& v) {
    return v.IsNumber() && v.Number() >= 0 && v.Number() <= 3600;
  };
  if (!valid_delay(DelayMin)) RefuseDelay("minimum delay", DelayMin);
  if (!valid_delay(DelayRandom)) RefuseDelay("random extra delay", DelayRandom);
  // A count the game's 16-bit throw numbers can't hold, or no count at all,
  // is refused as read; never taken as some other number.
  const std::optional<double> count = platform::ParseNumber(throws);
  if (!count || *count < 1 || *count > kMaxThrows || *count != std::floor(*count)) {
    Refuse(kSettingsProblem,
           "The number of throws (record 2 of the settings file \"" + SettingsFile + "\") is \"" +
               throws + "\".  It must be a whole number from 1 to " + std::to_string(kMaxThrows) +
               ".  See readme.htm for help.  " + kEndsProgram);
  }
  TotalThrows = static_cast<std::int16_t>(*count);
  const double spacers = SpacerCount.Number();
  if (!SpacerCount.IsNumber() || spacers < 0 || spacers > 1000 || spacers != std::floor(spacers)) {
    Refuse(kSettingsProblem, "The number of blank paragraphs (record 10 of the settings file \"" +
                                 SettingsFile + "\") is \"" + SpacerCount.Text() +
                                 "\".  It must be a whole number from 0 to 1000.  See readme.htm "
                                 "for help.  " +
                                 kEndsProgram);
  }
}

void ApplyThreePlayerOverride() {
  if (Module1::NumPlayers == 3) {
    Module1::PlayerNames[4] = Value::FromText("none");
    Module1::PlayerFaces[4] = Value::FromText("none");
  }
}

void NormalisePlayerFields() {
  for (int p = 1; p <= 4; ++p) {
    for (Value* field : {&Module1::PlayerNames[p], &Module1::PlayerFaces[p]}) {
      if (platform::AsciiLower(Trim(field->Text())) == "none") *field = Value::FromText("");
    }
  }
}

}  // namespace session
