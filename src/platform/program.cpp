#include "platform/program.hpp"

#include <system_error>

namespace platform {
namespace {
std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}
}  // namespace

const std::filesystem::path& ProgramFolder() { return Folder(); }

void SetProgramFolder(std::filesystem::path folder) { Folder() = std::move(folder); }

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return exe.parent_path();
}

void EndProgram(int status) { throw ProgramEnd(status); }

}  // namespace platform
