#pragma once
// The script appended to every HTML page the server sends (page_script.js):
// it holds the page's event stream and follows the navigations pushed over it,
// opens the page's socket, swaps pages in place, reports when each page's
// picture was presented and draws the photodiode patch.
#include <cstdint>
#include <string>
#include <string_view>

namespace browser {

// How the window shows the pages; fixed for the run.
struct DisplayOptions {
  // --display swap (the default): a navigation to the page the window shows
  // is swapped in place over the page's socket; navigate: every page is loaded.
  bool swap = true;
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
