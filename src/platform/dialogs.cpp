#include "platform/dialogs.hpp"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "platform/fields.hpp"

namespace platform {
namespace {

std::vector<std::string> TxtFilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path& p = it->path();
    if (AsciiLower(p.extension().string()) == ".txt" && it->is_regular_file(ec)) {
      names.push_back(p.filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

class TerminalDialogs final : public Dialogs {
 public:
  TerminalDialogs(std::istream& in, std::ostream& err) : in_(in), err_(err) {}

  std::optional<std::string> OpenFile(const std::string& title, const std::filesystem::path& folder,
                                      const std::string& remembered) override {
    const std::vector<std::string> names = TxtFilesIn(folder);
    err_ << title << " (" << folder.string() << "):\n";
    for (std::size_t i = 0; i < names.size(); ++i)
      err_ << "  " << (i + 1) << ". " << names[i] << "\n";
    for (;;) {
      err_ << "Number or file name [" << remembered << "]: " << std::flush;
      std::string line;
      if (!std::getline(in_, line)) {
        err_ << "\n";
        return std::nullopt;
      }
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) return remembered;
      if (std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isdigit(c); }) &&
          line.size() < 6) {
        const std::size_t n = std::stoul(line);
        if (n >= 1 && n <= names.size()) return names[n - 1];
        err_ << "There is no file number " << line << ".\n";
        continue;
      }
      return line;
    }
  }

  void MsgBox(const std::string& message, const std::string& title) override {
    err_ << title << ": " << message << std::endl;
  }

  std::string InputBox(const std::string& prompt, const std::string& /*title*/) override {
    err_ << prompt << " " << std::flush;
    std::string line;
    if (!std::getline(in_, line)) {
      err_ << "\n";
      return std::string();
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

  bool YesNo(const std::string& question, const std::string& title) override {
    err_ << title << ": " << question << "\n";
    for (;;) {
      err_ << "Yes or No [y/n]: " << std::flush;
      std::string line;
      if (!std::getline(in_, line)) {
        err_ << "\n";
        return false;
      }
      const std::string answer = AsciiLower(TrimBlanks(line));
      if (answer == "y" || answer == "yes") return true;
      if (answer == "n" || answer == "no") return false;
    }
  }

 private:
  std::istream& in_;
  std::ostream& err_;
};

std::unique_ptr<Dialogs>& DefaultDialogs() {
  static std::unique_ptr<Dialogs> dialogs;
  return dialogs;
}

Dialogs* g_dialogs = nullptr;
bool g_prefer_terminal = false;

}  // namespace

std::unique_ptr<Dialogs> MakeTerminalDialogs(std::istream& in, std::ostream& err) {
  return std::make_unique<TerminalDialogs>(in, err);
}

Dialogs& CurrentDialogs() {
  if (g_dialogs != nullptr) return *g_dialogs;
  std::unique_ptr<Dialogs>& fallback = DefaultDialogs();
  if (!fallback) fallback = MakeDefaultDialogs();
  return *fallback;
}

void SetDialogs(Dialogs* dialogs) { g_dialogs = dialogs; }

void PreferTerminalDialogs(bool prefer) { g_prefer_terminal = prefer; }

bool TerminalDialogsPreferred() { return g_prefer_terminal; }

}  // namespace platform
