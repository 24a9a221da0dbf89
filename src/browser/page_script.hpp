#pragma once
// The script appended to every HTML page the server sends (page_script.js):
// it holds the page's event stream and follows the navigations pushed over it,
// opens the page's socket, swaps pages in place, reports when each page's
// picture was presented and draws the photodiode patch.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace browser {

// How a throw reaches the window (--display).
enum class DisplayPath {
  // Swapped in place, each throw's page sent ahead and shown on the frame the
  // tick fires on (the default).
  kStaged,
  // Swapped in place over the page's socket when the tick fires.
  kSwap,
  // Every page loaded as a new document.
  kNavigate,
};

// "staged", "swap", "navigate": the option's value, and the path's name on
// the terminal and in the session record.
std::string_view DisplayPathName(DisplayPath path);
std::optional<DisplayPath> DisplayPathNamed(std::string_view name);

// How the window shows the pages; fixed for the run.
struct DisplayOptions {
  DisplayPath path = DisplayPath::kStaged;
  // A navigation to the page the window shows is swapped in place.
  bool Swaps() const { return path != DisplayPath::kNavigate; }
  bool Stages() const { return path == DisplayPath::kStaged; }
  // --photodiode: the frames the patch stays white from each presented page;
  // 0 draws no patch.
  int photodiode_frames = 0;
};

// What one page's script is told.
struct PageScriptSettings {
  std::string_view prefix;   // the run's URL prefix
  std::uint64_t seq = 0;     // the last navigation the page accounts for
  std::uint64_t number = 0;  // the navigation that brought it (0: none)
  DisplayOptions display;
};

// The script as a <script> element.
std::string PageScript(const PageScriptSettings& settings);

}  // namespace browser
