#include "platform/display.hpp"

#include <dlfcn.h>

#include <cstdlib>

namespace platform {

bool HasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x != nullptr && *x != '\0') || (w != nullptr && *w != '\0');
}

std::optional<DisplayInfo> QueryXDisplay() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return std::nullopt;
  void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  if (lib == nullptr) return std::nullopt;
  using OpenDisplay = void* (*)(const char*);
  using CloseDisplay = int (*)(void*);
  using DefaultScreen = int (*)(void*);
  using DisplaySize = int (*)(void*, int);
  using RootWindow = unsigned long (*)(void*, int);
  using InternAtom = unsigned long (*)(void*, const char*, int);
  using GetWindowProperty =
      int (*)(void*, unsigned long, unsigned long, long, long, int, unsigned long, unsigned long*,
              int*, unsigned long*, unsigned long*, unsigned char**);
  using Free = int (*)(void*);
  const auto open = reinterpret_cast<OpenDisplay>(dlsym(lib, "XOpenDisplay"));
  const auto close = reinterpret_cast<CloseDisplay>(dlsym(lib, "XCloseDisplay"));
  const auto screen_of = reinterpret_cast<DefaultScreen>(dlsym(lib, "XDefaultScreen"));
  const auto width_of = reinterpret_cast<DisplaySize>(dlsym(lib, "XDisplayWidth"));
  const auto height_of = reinterpret_cast<DisplaySize>(dlsym(lib, "XDisplayHeight"));
  const auto root_of = reinterpret_cast<RootWindow>(dlsym(lib, "XRootWindow"));
  const auto intern = reinterpret_cast<InternAtom>(dlsym(lib, "XInternAtom"));
  const auto property = reinterpret_cast<GetWindowProperty>(dlsym(lib, "XGetWindowProperty"));
  const auto free_x = reinterpret_cast<Free>(dlsym(lib, "XFree"));
  std::optional<DisplayInfo> info;
  if (open && close && screen_of && width_of && height_of && root_of && intern && property &&
      free_x) {
    if (void* dpy = open(display)) {
      const int screen = screen_of(dpy);
      info = DisplayInfo{{width_of(dpy, screen), height_of(dpy, screen)}, false};
      // A window manager that follows the common conventions announces
      // itself on the root window.
      const unsigned long atom = intern(dpy, "_NET_SUPPORTING_WM_CHECK", 1);
      if (atom != 0) {
        unsigned long type = 0, items = 0, after = 0;
        int format = 0;
        unsigned char* data = nullptr;
        if (property(dpy, root_of(dpy, screen), atom, 0, 1, 0, 0, &type, &format, &items, &after,
                     &data) == 0) {
          info->window_manager = items > 0;
        }
        if (data != nullptr) free_x(data);
      }
      close(dpy);
    }
  }
  dlclose(lib);
  return info;
}

}  // namespace platform
