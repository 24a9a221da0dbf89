#include "platform/display.hpp"

#include <windows.h>

namespace platform {

// An interactive desktop, unless the program runs as a service or in a
// session with no visible window station.
bool HasDisplay() {
  USEROBJECTFLAGS flags{};
  HWINSTA station = ::GetProcessWindowStation();
  if (station == nullptr ||
      !::GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr)) {
    return true;
  }
  return (flags.dwFlags & WSF_VISIBLE) != 0;
}

// Windows always has a window manager; the browser maximises its own window.
std::optional<DisplayInfo> QueryXDisplay() { return std::nullopt; }

}  // namespace platform
