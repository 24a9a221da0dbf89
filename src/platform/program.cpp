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

void EndProgram(int status) { throw ProgramEnd(status); }

}  // namespace platform
