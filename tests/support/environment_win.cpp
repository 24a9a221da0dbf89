#include <cstdlib>

#include "support/program_folder.hpp"

namespace testing_support {

const char* const kConfigVariable = "APPDATA";

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
  // An empty value removes the variable.
  ::_putenv_s(name, value ? value->c_str() : "");
}

}  // namespace testing_support
