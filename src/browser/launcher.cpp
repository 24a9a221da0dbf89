#include "browser/launcher.hpp"

#include "platform/file_io.hpp"

namespace browser {

namespace fs = std::filesystem;

std::string KnownBrowserList() {
  std::string list;
  for (const std::string& name : KnownBrowsers()) list += (list.empty() ? "" : ", ") + name;
  return list;
}

BrowserKind KindOf(const std::string& program) {
  const std::string name = fs::path(program).filename().string();
  return name.find("firefox") != std::string::npos ? BrowserKind::kFirefox : BrowserKind::kChromium;
}

std::vector<std::string> BrowserArguments(BrowserKind kind, const LaunchSettings& s) {
  std::vector<std::string> args;
  if (kind == BrowserKind::kFirefox) {
    args = {"-no-remote", "-new-instance", "-profile", s.profile.string()};
    if (s.headless) args.push_back("--headless");
    if (s.unmanaged_screen) {
      args.push_back("--width=" + std::to_string(s.unmanaged_screen->width));
      args.push_back("--height=" + std::to_string(s.unmanaged_screen->height));
    }
    args.push_back("--kiosk");
    args.push_back(s.url);
    return args;
  }
  args = {
      // Its own profile: a second browser on a profile in use would hand its
      // window to the first and exit at once, which would read as a closed window.
      "--user-data-dir=" + s.profile.string(),
      "--no-first-run",
      "--no-default-browser-check",
      "--disable-sync",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-default-apps",
      "--disable-features=Translate,MediaRouter",
      "--disable-session-crashed-bubble",
      "--noerrdialogs",
      "--password-store=basic",
      // No swipe or overscroll back to an earlier page.
      "--overscroll-history-navigation=0",
      // A Wayland session without X is served too.
      "--ozone-platform-hint=auto",
  };
  if (s.as_root) {
    // Chromium refuses to run as root with its sandbox; --test-type keeps the
    // warning bar about it off the participant's screen.
    args.push_back("--no-sandbox");
    args.push_back("--test-type");
  }
  if (s.fullscreen) {
    // Kiosk: no title bar, and F11 can't take the window out of full screen.
    args.push_back("--kiosk");
    args.push_back("--window-position=0,0");
  } else {
    args.push_back("--start-maximized");
  }
  if (s.unmanaged_screen) {
    // Nothing maximises a window without a window manager.
    args.push_back("--window-position=0,0");
    args.push_back("--window-size=" + std::to_string(s.unmanaged_screen->width) + "," +
                   std::to_string(s.unmanaged_screen->height));
  }
  if (s.headless) {
    args.push_back("--headless");
    args.push_back(s.url);
  } else {
    args.push_back("--app=" + s.url);
  }
  return args;
}

void WriteFirefoxPreferences(const std::filesystem::path& profile) {
  platform::WriteFileBytes(profile / "user.js",
                           "user_pref(\"browser.shell.checkDefaultBrowser\", false);\n"
                           "user_pref(\"browser.startup.homepage_override.mstone\", \"ignore\");\n"
                           "user_pref(\"browser.aboutwelcome.enabled\", false);\n"
                           "user_pref(\"datareporting.policy.dataSubmissionEnabled\", false);\n"
                           "user_pref(\"toolkit.telemetry.reportingpolicy.firstRun\", false);\n"
                           "user_pref(\"browser.sessionstore.resume_from_crash\", false);\n");
}

}  // namespace browser
