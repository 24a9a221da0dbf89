#include "browser/page_script.hpp"

namespace browser {

// page_script.js, embedded by the build.
extern const std::string_view kPageScriptJs;

std::string PageScript(std::string_view prefix, std::uint64_t seq) {
  // The file's stand-ins keep it valid JavaScript on its own.
  std::string script(kPageScriptJs);
  const auto replace = [&script](std::string_view stand_in, std::string_view value) {
    script.replace(script.find(stand_in), stand_in.size(), value);
  };
  replace("/*@SEQ@*/0", std::to_string(seq));
  replace("@PREFIX@", prefix);
  return "\n<script>\n" + script + "</script>\n";
}

}  // namespace browser
