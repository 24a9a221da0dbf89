#include "platform/program.hpp"

namespace platform {
namespace {
std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}
}  // namespace

const std::filesystem::path& ProgramFolder() { return Folder(); }

void SetProgramFolder(std::filesystem::path folder) { Folder() = std::move(folder); }

bool HoldsStudy(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_directory(folder / "settings", ec) &&
         std::filesystem::is_directory(folder / "html", ec);
}

namespace {
// The build passes where it installs the experiment, relative to the executable.
#ifndef VOLLETA_INSTALLED_EXPERIMENT
#define VOLLETA_INSTALLED_EXPERIMENT "../share/volleta/experiment"
#endif
std::filesystem::path InstalledExperimentFolder() {
  return (ExecutableFolder() / VOLLETA_INSTALLED_EXPERIMENT).lexically_normal();
}
}  // namespace

bool RunsInstalled() {
  return !HoldsStudy(ExecutableFolder()) && HoldsStudy(InstalledExperimentFolder());
}

std::filesystem::path BundledExperimentFolder() {
  return RunsInstalled() ? InstalledExperimentFolder() : ExecutableFolder();
}

std::optional<std::filesystem::path> DefaultProgramFolder() {
  if (!RunsInstalled()) return ExecutableFolder();
  std::error_code ec;
  std::filesystem::path here = std::filesystem::current_path(ec);
  if (!ec && HoldsStudy(here)) return here;
  return std::nullopt;
}

void EndProgram(int status) { throw ProgramEnd(status); }

}  // namespace platform
