#include "support/run_program.hpp"

#include "support/program_folder.hpp"

namespace testing_support {

std::filesystem::path RunningVolleta::ConfigFolder(const std::filesystem::path& home) {
  return TestConfigFolder().value_or(home / "config");
}

std::optional<std::string> RunningVolleta::Line(Stream& stream) {
  for (;;) {
    if (const std::size_t end = stream.pending.find('\n'); end != std::string::npos) {
      std::string line = stream.pending.substr(0, end);
      stream.pending.erase(0, end + 1);
      return line;
    }
    if (!Fill(stream)) return std::nullopt;
  }
}

}  // namespace testing_support
