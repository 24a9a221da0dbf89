#include "platform/user_settings.hpp"

#include <cstdlib>

namespace platform {

std::filesystem::path UserSettingsFile() {
  // The roaming application data folder, as Windows programs keep their settings.
  const wchar_t* appdata = ::_wgetenv(L"APPDATA");
  const std::filesystem::path base =
      appdata != nullptr && *appdata != L'\0' ? std::filesystem::path(appdata) : ".";
  return base / "volleta" / "volleta.ini";
}

}  // namespace platform
