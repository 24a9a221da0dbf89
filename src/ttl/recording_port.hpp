#pragma once
// The recording port for dry runs: no hardware is touched; every write is
// appended to a file as one line "<ms since program start> <address> <value>",
// the time with three decimals, e.g. "1234.567 888 20". Each line is flushed
// at once, so the file is complete even if the program is killed.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "ttl/port.hpp"

namespace ttl {

// Milliseconds since the program started, from the steady clock.
double MillisecondsSinceProgramStart();

class RecordingPort final : public Port {
 public:
  using TimeSource = std::function<double()>;

  // Opens `file` for appending. On failure returns nullptr with the reason in
  // `error`. `now_ms` stamps each line (tests give a fake clock).
  static std::unique_ptr<RecordingPort> Open(const std::filesystem::path& file, std::string* error,
                                             TimeSource now_ms = MillisecondsSinceProgramStart);
  ~RecordingPort() override;
  RecordingPort(const RecordingPort&) = delete;
  RecordingPort& operator=(const RecordingPort&) = delete;

  bool Outp(std::uint16_t address, std::uint8_t value, std::string* error) override;
  std::string Describe() const override;

 private:
  RecordingPort(std::FILE* file, std::filesystem::path path, TimeSource now_ms);

  std::FILE* file_;
  std::filesystem::path path_;
  TimeSource now_ms_;
};

}  // namespace ttl
