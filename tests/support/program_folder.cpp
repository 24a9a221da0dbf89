#include "support/program_folder.hpp"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/program.hpp"
#include "session/module1.hpp"

namespace testing_support {

namespace {
std::vector<std::filesystem::path> g_config_folders;  // of the TempProgramFolders alive
}  // namespace

std::optional<std::filesystem::path> TestConfigFolder() {
  if (g_config_folders.empty()) return std::nullopt;
  return g_config_folders.back();
}

std::filesystem::path NewTempFolder(const std::string& prefix) {
  std::random_device random;
  for (int attempt = 0; attempt <= 100; ++attempt) {
    const auto candidate =
        std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("no new folder in the temporary folder");
}

TempProgramFolder::TempProgramFolder() {
  path_ = NewTempFolder("volleta-test-");
  for (const char* sub : {"settings", "schedules", "html", "log", "config"}) {
    std::filesystem::create_directories(path_ / sub);
  }
  if (const char* xdg = std::getenv(kConfigVariable)) {
    had_xdg_ = true;
    old_xdg_ = xdg;
  }
  SetEnvironment(kConfigVariable, (path_ / "config").string());
  g_config_folders.push_back(path_ / "config");
  platform::SetProgramFolder(path_);
  Module1::ResetSession();
}

TempProgramFolder::~TempProgramFolder() {
  std::erase(g_config_folders, path_ / "config");
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
