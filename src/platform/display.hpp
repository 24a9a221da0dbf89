#pragma once
// The graphical display the participant's window and the dialogs appear on.
#include <optional>

namespace platform {

// Whether a graphical display is available (DISPLAY or WAYLAND_DISPLAY set).
bool HasDisplay();

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The X display's screen size and whether a window manager runs on it, when
// an X display is reachable (read through libX11 if it is installed).
struct DisplayInfo {
  ScreenSize screen;
  bool window_manager = false;
};
std::optional<DisplayInfo> QueryXDisplay();

}  // namespace platform
