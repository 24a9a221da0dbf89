#include "platform/file_io.hpp"

namespace platform {

std::FILE* OpenCFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

}  // namespace platform
