#pragma once
// A browser window that records what the game asks of it. Navigations are
// not followed; a test raises the window's events itself.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "browser/browser.hpp"

namespace testing_support {

class RecordingBrowser final : public browser::Browser {
 public:
  struct Call {
    enum Kind { kNavigate, kStop, kQuit } kind;
    std::filesystem::path page;  // for kNavigate
  };

  void Navigate2(const std::filesystem::path& page) override {
    calls.push_back({Call::kNavigate, page});
    if (on_navigate) on_navigate(page);
  }
  void Stop() override { calls.push_back({Call::kStop, {}}); }
  void Quit() override { calls.push_back({Call::kQuit, {}}); }

  // The pages navigated to, in order (file names only).
  std::vector<std::string> Pages() const {
    std::vector<std::string> pages;
    for (const Call& c : calls) {
      if (c.kind == Call::kNavigate) pages.push_back(c.page.filename().string());
    }
    return pages;
  }

  // What was staged: each page sent ahead with its due time, and the last
  // subject's throws held ready.
  struct Staged {
    std::string bytes;
    double due;
  };
  std::uint64_t Stage(const std::filesystem::path&, std::string bytes, double due) override {
    stages.push_back({std::move(bytes), due});
    return stages.size();
  }
  void StageChoices(const std::filesystem::path&, Choices staged) override {
    choices = std::move(staged);
  }
  std::vector<Staged> stages;
  Choices choices;

  std::vector<Call> calls;
  // Called at each navigation, to look at the world as the window would.
  std::function<void(const std::filesystem::path&)> on_navigate;
};

}  // namespace testing_support
