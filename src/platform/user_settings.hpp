#pragma once
// The per-user remembered setting: an INI file
// $XDG_CONFIG_HOME/volleta/volleta.ini (default ~/.config/volleta/volleta.ini);
// on Windows %APPDATA%\volleta\volleta.ini.
#include <filesystem>
#include <string>

namespace platform {

std::filesystem::path UserSettingsFile();

// Reads [section] key, or `fallback` when the file or key is missing or unreadable.
std::string GetSetting(const std::string& section, const std::string& key,
                       const std::string& fallback);

// Stores [section] key = value, keeping the file's other entries. Failures are
// ignored: a setting that can't be remembered never stops a session.
void SaveSetting(const std::string& section, const std::string& key, const std::string& value);

}  // namespace platform
