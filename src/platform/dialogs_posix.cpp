#include <iostream>

#include "platform/dialogs.hpp"
#include "platform/display.hpp"
#include "platform/process.hpp"

namespace platform {
namespace {

class ZenityDialogs final : public Dialogs {
 public:
  std::optional<std::string> OpenFile(const std::string& title, const std::filesystem::path& folder,
                                      const std::string& remembered) override {
    const auto result =
        RunAndCapture({"zenity", "--file-selection", "--title=" + title,
                       "--filename=" + (folder / remembered).string(), "--file-filter=*.txt"});
    if (!result || result->exit_status != 0) return std::nullopt;
    std::string path = result->output;
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
    if (path.empty()) return std::nullopt;
    return path;
  }

  void MsgBox(const std::string& message, const std::string& title) override {
    const auto result =
        RunAndCapture({"zenity", "--info", "--no-markup", "--title=" + title, "--text=" + message});
    if (!result) std::cerr << title << ": " << message << std::endl;
  }

  std::string InputBox(const std::string& prompt, const std::string& title) override {
    const auto result =
        RunAndCapture({"zenity", "--entry", "--title=" + title, "--text=" + prompt});
    if (!result || result->exit_status != 0) return std::string();
    std::string answer = result->output;
    if (!answer.empty() && answer.back() == '\n') answer.pop_back();
    return answer;
  }

  bool YesNo(const std::string& question, const std::string& title) override {
    const auto result = RunAndCapture(
        {"zenity", "--question", "--no-markup", "--title=" + title, "--text=" + question});
    // Without zenity the question is asked on the terminal.
    if (!result) return MakeTerminalDialogs(std::cin, std::cerr)->YesNo(question, title);
    return result->exit_status == 0;
  }
};

}  // namespace

std::unique_ptr<Dialogs> MakeZenityDialogs() { return std::make_unique<ZenityDialogs>(); }

std::unique_ptr<Dialogs> MakeDefaultDialogs() {
  if (HasDisplay() && FindOnPath("zenity")) return MakeZenityDialogs();
  return MakeTerminalDialogs(std::cin, std::cerr);
}

}  // namespace platform
