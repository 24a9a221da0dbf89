#pragma once
// A throw-away program folder on disk (settings, schedules, html, log), with
// the per-user settings redirected into it, for tests that read and write
// real files.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

// The variable that places the per-user settings: XDG_CONFIG_HOME, APPDATA on Windows.
extern const char* const kConfigVariable;
// Sets (or, with nullopt, removes) an environment variable of this process.
void SetEnvironment(const char* name, const std::optional<std::string>& value);
// The per-user settings folder of the TempProgramFolder alive, if any: a program
// run by the test meanwhile uses it too.
std::optional<std::filesystem::path> TestConfigFolder();
// A new empty folder in the temporary folder, named `prefix` and a number.
std::filesystem::path NewTempFolder(const std::string& prefix);

class TempProgramFolder {
 public:
  TempProgramFolder();   // creates the folder, makes it the program folder, resets the session
  ~TempProgramFolder();  // removes it

  const std::filesystem::path& Path() const { return path_; }
  // Writes a file below the folder (creating its parent folders).
  void Write(const std::string& relative, std::string_view bytes) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;

 private:
  std::filesystem::path path_;
  std::string old_xdg_;
  bool had_xdg_ = false;
};

}  // namespace testing_support
