#include "platform/path_text.hpp"

namespace platform {

// Linux paths are bytes: whatever the text holds is the name.
std::filesystem::path PathOf(std::string_view text) { return std::filesystem::path(text); }

std::string TextOf(const std::filesystem::path& path) { return path.string(); }

}  // namespace platform
