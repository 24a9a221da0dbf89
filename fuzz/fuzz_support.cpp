#include "fuzz_support.hpp"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/dialogs.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace fuzz {
namespace {

class SilentDialogs final : public platform::Dialogs {
 public:
  std::optional<std::string> OpenFile(const std::string&, const std::filesystem::path&,
                                      const std::string&) override {
    return std::nullopt;
  }
  void MsgBox(const std::string&, const std::string&) override {}
  std::string InputBox(const std::string&, const std::string&) override { return "fuzz"; }
  // Run on without markers: ending the process would end the fuzzing.
  bool YesNo(const std::string&, const std::string&) override { return true; }
};

}  // namespace

void FreshSession() {
  static SilentDialogs dialogs;
  static std::filesystem::path folder;
  if (folder.empty()) {
    folder = std::filesystem::temp_directory_path() / ("volleta-fuzz-" + std::to_string(getpid()));
    for (const char* sub : {"settings", "schedules", "html", "log"}) {
      std::filesystem::create_directories(folder / sub);
    }
    platform::SetProgramFolder(folder);
    platform::SetDialogs(&dialogs);
  }
  Module1::ResetSession();
}

void WriteInput(const std::string& relative, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(platform::ProgramFolder() / relative, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzz
