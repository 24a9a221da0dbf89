#pragma once
// What the game needs of the browser window, and the events it raises.
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace browser {

// The browser window the game is shown in.
class Browser {
 public:
  virtual ~Browser() = default;
  // Sends the window to a page: the full path of a file under the program
  // folder's html folder. Returns at once; the window then raises the
  // before-navigate event for this navigation too, and shows the page.
  virtual void Navigate2(const std::filesystem::path& page) = 0;
  // Abandons the navigation in progress (called from within the
  // before-navigate event): its page is not shown. A Navigate2 issued right
  // after it in the same handler proceeds.
  virtual void Stop() = 0;
  // Closes the browser window.
  virtual void Quit() = 0;
  // The number of the navigation the last Navigate2 issued (from 1; 0 before
  // any): the presented event names navigations by it.
  virtual std::uint64_t NavigationNumber() const { return 0; }
  // From now on the window is given `bytes` for `page` (a full path under the
  // html folder, as for Navigate2), whatever the file holds: the pages a run
  // composed are its own even when another run writes the same file.
  virtual void Provide(const std::filesystem::path& page, std::string bytes) {
    static_cast<void>(page);
    static_cast<void>(bytes);
  }
  // Sends `bytes`, the page `page` as the game will show it next, ahead to the
  // window showing `page`, to be shown at `due` (platform::PreciseMilliseconds)
  // or in the first frame after. Replaces what was staged before. Returns the
  // stage's number, which the stage-timed event names (0: nothing staged).
  virtual std::uint64_t Stage(const std::filesystem::path& page, std::string bytes, double due) {
    static_cast<void>(page);
    static_cast<void>(bytes);
    static_cast<void>(due);
    return 0;
  }
  // The pages the window showing `page` may be sent to next by a link it
  // holds: each by the name of the link's file ("2to1.htm"). A click on such
  // a link shows its page at once, and the game's answer confirms it.
  using Choices = std::vector<std::pair<std::string, std::string>>;
  virtual void StageChoices(const std::filesystem::path& page, Choices choices) {
    static_cast<void>(page);
    static_cast<void>(choices);
  }
};

// What a page of the window found out about it, as it reported it: the
// browser's name and version, the screen's size in CSS pixels ("1920x1080")
// and the frame rate measured over requestAnimationFrame ("60.0"); a report
// may leave some of them empty.
struct PageFacts {
  std::string browser;
  std::string screen;
  std::string frame_rate;
};

// Receives the window's events.
class BrowserEvents {
 public:
  virtual ~BrowserEvents() = default;
  // Before every document navigation of the window, with its full URL.
  virtual void Sink_BeforeNavigate2(const std::string& URL) = 0;
  // The browser application is quitting (its window was closed).
  virtual void Sink_OnQuit() = 0;
  // The window presented the page of navigation `navigation` (its picture
  // reached the screen) at `time`, on the clock of platform::PreciseMilliseconds.
  // Raised at most once per navigation, and only for pages the window reports.
  virtual void Sink_Presented(std::uint64_t navigation, double time) {
    static_cast<void>(navigation);
    static_cast<void>(time);
  }
  // The window can present stage `stage` at `at` (our precise clock), a frame
  // start at or after its due time. True commits: the game's event that shows
  // the page happens then, and the window may show it in that frame; false
  // and the window shows it only when the game shows the page.
  virtual bool Sink_StageTimed(std::uint64_t stage, double at) {
    static_cast<void>(stage);
    static_cast<void>(at);
    return false;
  }
  // A page of the window reported what it found (see PageFacts).
  virtual void Sink_PageFacts(const PageFacts& facts) { static_cast<void>(facts); }
};

}  // namespace browser
