#include "support/program_folder.hpp"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/program.hpp"
#include "session/module1.hpp"

namespace testing_support {

TempProgramFolder::TempProgramFolder() {
  std::random_device random;
  for (int attempt = 0; path_.empty(); ++attempt) {
    const auto candidate =
        std::filesystem::temp_directory_path() / ("volleta-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) path_ = candidate;
    if (attempt == 100) throw std::runtime_error("no new folder in the temporary folder");
  }
  for (const char* sub : {"settings", "schedules", "html", "log", "config"}) {
    std::filesystem::create_directories(path_ / sub);
  }
  if (const char* xdg = std::getenv(kConfigVariable)) {
    had_xdg_ = true;
    old_xdg_ = xdg;
  }
  SetEnvironment(kConfigVariable, (path_ / "config").string());
  platform::SetProgramFolder(path_);
  Module1::ResetSession();
}

TempProgramFolder::~TempProgramFolder() {
  if (had_xdg_) {
    SetEnvironment(kConfigVariable, old_xdg_);
  } else {
    SetEnvironment(kConfigVariable, std::nullopt);
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
