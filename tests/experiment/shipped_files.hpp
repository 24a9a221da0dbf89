#pragma once
// Where the tests of the shipped experiment find it: the program folder the
// build made beside the executable.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace experiment_test {

inline std::filesystem::path ProgramFolder() {
  return std::filesystem::path(VOLLETA_PROGRAM_EXE).parent_path();
}

// The file names in a folder of the program folder, sorted.
inline std::vector<std::string> FilesIn(const std::string& sub) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(ProgramFolder() / sub)) {
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace experiment_test
