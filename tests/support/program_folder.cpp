#include "support/program_folder.hpp"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/program.hpp"
#include "session/module1.hpp"

namespace testing_support {

TempProgramFolder::TempProgramFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "volleta-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  for (const char* sub : {"settings", "schedules", "html", "log", "config"}) {
    std::filesystem::create_directories(path_ / sub);
  }
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) {
    had_xdg_ = true;
    old_xdg_ = xdg;
  }
  setenv("XDG_CONFIG_HOME", (path_ / "config").c_str(), 1);
  platform::SetProgramFolder(path_);
  Module1::ResetSession();
}

TempProgramFolder::~TempProgramFolder() {
  if (had_xdg_) {
    setenv("XDG_CONFIG_HOME", old_xdg_.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempProgramFolder::Write(const std::string& relative, std::string_view bytes) const {
  const std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempProgramFolder::Read(const std::string& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

bool TempProgramFolder::Exists(const std::string& relative) const {
  return std::filesystem::exists(path_ / relative);
}

}  // namespace testing_support
