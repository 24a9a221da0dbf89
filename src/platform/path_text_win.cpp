#include <windows.h>

#include "platform/path_text.hpp"
#include "platform/win32_text.hpp"

namespace platform {

std::filesystem::path PathOf(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const bool utf8 =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0) > 0;
  const UINT page = utf8 ? CP_UTF8 : CP_ACP;
  std::wstring wide(
      static_cast<std::size_t>(::MultiByteToWideChar(page, 0, text.data(), size, nullptr, 0)),
      L'\0');
  ::MultiByteToWideChar(page, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return std::filesystem::path(wide);
}

std::string TextOf(const std::filesystem::path& path) { return Utf8(path.native()); }

}  // namespace platform
