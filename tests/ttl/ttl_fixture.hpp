#pragma once
// Shared pieces of the TTL tests: a scratch folder, and the recording port's
// file read back as (time, address, value) rows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ttl_test {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "volleta-ttl-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path Write(const std::filesystem::path& relative, const std::string& text) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }

 private:
  std::filesystem::path path_;
};

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
