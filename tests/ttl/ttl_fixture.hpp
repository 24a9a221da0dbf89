#pragma once
// The recording port's file read back as (time, address, value) rows.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ttl_test {

struct PortWrite {
  double ms;
  unsigned address;
  unsigned value;
};

// Every line must read "<ms with three decimals> <address> <value>".
inline std::vector<PortWrite> ReadPortLog(const std::filesystem::path& file) {
  std::vector<PortWrite> writes;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string ms;
    PortWrite w{};
    fields >> ms >> w.address >> w.value;
    const std::size_t point = ms.find('.');
    EXPECT_TRUE(fields && point != std::string::npos && ms.size() - point == 4)
        << "malformed port log line: " << line;
    w.ms = std::stod(ms);
    writes.push_back(w);
  }
  return writes;
}

}  // namespace ttl_test
