#include "ttl/recording_port.hpp"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <system_error>

#include "platform/file_io.hpp"

namespace ttl {
namespace {
// Taken while the program is being loaded, before main runs.
const std::chrono::steady_clock::time_point g_program_start = std::chrono::steady_clock::now();
}  // namespace

double MillisecondsSinceProgramStart() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                   g_program_start)
      .count();
}

std::unique_ptr<RecordingPort> RecordingPort::Open(const std::filesystem::path& file,
                                                   std::string* error, TimeSource now_ms) {
  std::FILE* handle = platform::OpenCFile(file, "ab");
  if (handle == nullptr) {
    if (error != nullptr) {
      *error = "cannot open the port log " + file.string() +
               " for writing: " + std::generic_category().message(errno);
    }
    return nullptr;
  }
  return std::unique_ptr<RecordingPort>(new RecordingPort(handle, file, std::move(now_ms)));
}

RecordingPort::RecordingPort(std::FILE* file, std::filesystem::path path, TimeSource now_ms)
    : file_(file), path_(std::move(path)), now_ms_(std::move(now_ms)) {}

RecordingPort::~RecordingPort() { std::fclose(file_); }

bool RecordingPort::Outp(std::uint16_t address, std::uint8_t value, std::string* error) {
  // to_chars, not printf: the locale must not turn the point into a comma.
  char line[400];  // room for any double in fixed notation
  char* end = std::to_chars(line, line + 360, now_ms_(), std::chars_format::fixed, 3).ptr;
  *end++ = ' ';
  end = std::to_chars(end, end + 8, address).ptr;
  *end++ = ' ';
  end = std::to_chars(end, end + 8, static_cast<unsigned>(value)).ptr;
  *end++ = '\n';
  const std::size_t length = static_cast<std::size_t>(end - line);
  if (std::fwrite(line, 1, length, file_) != length || std::fflush(file_) != 0) {
    if (error != nullptr) {
      *error = "cannot write to the port log " + path_.string() + ": " +
               std::generic_category().message(errno);
    }
    return false;
  }
  return true;
}

std::string RecordingPort::Describe() const { return "recording port " + path_.string(); }

}  // namespace ttl
