#include "browser/url_path.hpp"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace browser {
namespace fs = std::filesystem;

namespace {

bool IsUnreserved(unsigned char c) {
  return std::isalnum(c) != 0 || c == '-' || c == '.' || c == '_' || c == '~';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Calls `each` with every segment of a '/'-separated text, empty ones too.
template <typename Each>
void ForEachSegment(std::string_view text, Each each) {
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('/', start);
    each(text.substr(start, end - start));
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

}  // namespace

std::string PercentEncodeSegment(std::string_view segment) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : segment) {
    if (IsUnreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '%') {
      if (i + 2 >= text.size()) return std::nullopt;
      const int hi = HexValue(text[i + 1]);
      const int lo = HexValue(text[i + 2]);
      if (hi < 0 || lo < 0) return std::nullopt;
      c = static_cast<char>(hi * 16 + lo);
      i += 2;
    }
    if (c == '\0') return std::nullopt;
    out += c;
  }
  return out;
}

std::optional<std::string> KeyFromUrlPath(std::string_view escaped) {
  // Decoded first, so that an escaped "/" or ".." is judged like a plain one.
  const std::optional<std::string> decoded = PercentDecode(escaped);
  if (!decoded) return std::nullopt;
  std::string key;
  bool refused = false;
  ForEachSegment(*decoded, [&](std::string_view segment) {
    if (segment.empty() || refused) return;
    if (segment == "." || segment == ".." || segment.find('\\') != std::string_view::npos) {
      refused = true;
      return;
    }
    if (!key.empty()) key += '/';
    key += segment;
  });
  if (refused) return std::nullopt;
  return key;
}

std::string UrlPathForKey(std::string_view prefix, std::string_view key) {
  std::string url = "/" + std::string(prefix) + "/html";
  ForEachSegment(key, [&url](std::string_view segment) {
    url += '/';
    url += PercentEncodeSegment(segment);
  });
  return url;
}

bool IsWithin(const fs::path& path, const fs::path& root) {
  auto p = path.begin();
  for (auto r = root.begin(); r != root.end(); ++r, ++p) {
    if (r->empty()) continue;  // a trailing separator of the root
    if (p == path.end() || *p != *r) return false;
  }
  return true;
}

HtmlFolder::HtmlFolder(const fs::path& folder) {
  std::error_code ec;
  root_ = fs::absolute(folder, ec).lexically_normal();
  canonical_ = fs::weakly_canonical(root_, ec);
  if (ec) canonical_ = root_;
}

std::optional<fs::path> HtmlFolder::FileFor(const std::string& key) const {
  std::error_code ec;
  fs::path file = fs::weakly_canonical(root_ / fs::path(key), ec);
  if (ec || !IsWithin(file, canonical_)) return std::nullopt;
  return file;
}

std::optional<std::string> HtmlFolder::KeyOf(const fs::path& page) const {
  std::string text = page.string();
  std::replace(text.begin(), text.end(), '\\', '/');
  std::error_code ec;
  const fs::path normal = fs::absolute(fs::path(text), ec).lexically_normal();
  for (const fs::path& root : {root_, canonical_}) {
    const fs::path rel = normal.lexically_relative(root);
    if (rel.empty() || rel == ".") continue;
    if (*rel.begin() == "..") continue;
    return rel.generic_string();
  }
  return std::nullopt;
}

}  // namespace browser
