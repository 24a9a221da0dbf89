#include "browser/page_script.hpp"

namespace browser {

// page_script.js, embedded by the build.
extern const std::string_view kPageScriptJs;

std::string_view DisplayPathName(DisplayPath path) {
  switch (path) {
    case DisplayPath::kStaged:
      return "staged";
    case DisplayPath::kSwap:
      return "swap";
    case DisplayPath::kNavigate:
      return "navigate";
  }
  return "staged";
}

std::optional<DisplayPath> DisplayPathNamed(std::string_view name) {
  for (DisplayPath path : {DisplayPath::kStaged, DisplayPath::kSwap, DisplayPath::kNavigate}) {
    if (DisplayPathName(path) == name) return path;
  }
  return std::nullopt;
}

std::string PageScript(const PageScriptSettings& settings) {
  // The file's stand-ins keep it valid JavaScript on its own.
  std::string script(kPageScriptJs);
  const auto replace = [&script](std::string_view stand_in, std::string_view value) {
    script.replace(script.find(stand_in), stand_in.size(), value);
  };
  replace("/*@SEQ@*/0", std::to_string(settings.seq));
  replace("/*@NUMBER@*/0", std::to_string(settings.number));
  replace("/*@SWAP@*/false", settings.display.Swaps() ? "true" : "false");
  replace("/*@PHOTODIODE@*/0", std::to_string(settings.display.photodiode_frames));
  replace("@PREFIX@", settings.prefix);
  return "\n<script>\n" + script + "</script>\n";
}

}  // namespace browser
