#pragma once
// Starting the participant's browser as an app window on a page, and noticing
// when it ends.
#include <boost/asio/io_context.hpp>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/display.hpp"

namespace browser {

enum class BrowserKind { kChromium, kFirefox };

// The browsers tried, in order, when none is named: on Linux by their names on
// PATH, on Windows Microsoft Edge, then Chrome, by their install places and
// the registry's App Paths.
const std::vector<std::string>& KnownBrowsers();
// The same, as a comma-separated list for messages and help.
std::string KnownBrowserList();

// The browser to start: `named` when given (a path or a name on PATH), else
// the first of KnownBrowsers() found.
std::optional<std::string> FindBrowser(const std::string& named);

// Firefox by its file name, every other browser taken as Chromium-based.
BrowserKind KindOf(const std::string& program);

struct LaunchSettings {
  std::string url;
  std::filesystem::path profile;  // a fresh, empty folder for this run
  bool headless = false;
  // Full screen without a title bar (kiosk), on the primary screen; otherwise
  // Chromium-based browsers open a maximised app window. Firefox is always kiosk.
  bool fullscreen = false;
  bool as_root = false;
  // The X screen's size when no window manager runs (nothing would maximise
  // the window then).
  std::optional<platform::ScreenSize> unmanaged_screen;
};

// The browser's arguments (without the program itself).
std::vector<std::string> BrowserArguments(BrowserKind kind, const LaunchSettings& settings);

// A new Firefox profile would otherwise greet the participant with first-run pages.
void WriteFirefoxPreferences(const std::filesystem::path& profile);

// One browser process with its own temporary profile.
class Launcher {
 public:
  // `on_exit` runs on the loop once the process has ended, with its exit code
  // (-1 when it did not exit by itself, as when a signal ended it).
  Launcher(boost::asio::io_context& io, std::function<void(int exit_code)> on_exit);
  // Ends a browser still running and removes the profile.
  ~Launcher();
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  // Starts `program` on `url`. Returns false (with the reason in `error`)
  // when it could not be started.
  bool Start(const std::string& program, const std::string& url, bool headless,
             bool fullscreen = false, std::string* error = nullptr);
  // Asks the browser to close; `on_exit` still runs when it has.
  void Terminate();
  bool Running() const;

 private:
  struct Process;  // the system's side of it
  std::unique_ptr<Process> process_;
};

}  // namespace browser
