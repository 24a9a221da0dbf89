#include "platform/user_settings.hpp"

#include <cstdlib>

namespace platform {

std::filesystem::path UserSettingsFile() {
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::filesystem::path(home) / ".config";
  } else {
    base = ".config";
  }
  return base / "volleta" / "volleta.ini";
}

}  // namespace platform
