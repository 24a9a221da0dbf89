#include <cstdlib>

#include "support/program_folder.hpp"

namespace testing_support {

const char* const kConfigVariable = "XDG_CONFIG_HOME";

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name, value->c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

}  // namespace testing_support
