#include "platform/file_io.hpp"

#include <string>

namespace platform {

std::FILE* OpenCFile(const std::filesystem::path& path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return ::_wfopen(path.c_str(), wide_mode.c_str());
}

}  // namespace platform
