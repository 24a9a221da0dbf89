#pragma once
// URL paths of the served html folder: escaping, unescaping, and which file a
// path names. A page is known by its key: its path relative to the html
// folder, unescaped, with '/' between segments ("sub dir/page two.htm").
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace browser {

// Escapes every byte but letters, digits and "-._~" as %XX.
std::string PercentEncodeSegment(std::string_view segment);

// Decodes %XX escapes; nullopt for a malformed escape or a NUL byte.
std::optional<std::string> PercentDecode(std::string_view text);

// The key named by an escaped URL path below the html folder ("sub%20dir/x.htm"):
// empty segments are dropped; nullopt when it cannot be decoded or has a "."
// or ".." segment or a backslash.
std::optional<std::string> KeyFromUrlPath(std::string_view escaped);

// "/<prefix>/html/<key with each segment escaped>".
std::string UrlPathForKey(std::string_view prefix, std::string_view key);

// Whether `path` lies inside `root`, comparing whole components.
bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& root);

// The html folder as served: by its absolute path and by that path with
// symbolic links resolved.
class HtmlFolder {
 public:
  explicit HtmlFolder(const std::filesystem::path& folder);

  // The file for a key, with symbolic links resolved; nullopt when that
  // leads outside the folder.
  std::optional<std::filesystem::path> FileFor(const std::string& key) const;

  // The key of a page the program names by its full path (the classic
  // backslash form as well); nullopt for a path outside the folder.
  std::optional<std::string> KeyOf(const std::filesystem::path& page) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path canonical_;
};

}  // namespace browser
