#include "session/ttl_config.hpp"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "platform/fields.hpp"
#include "platform/file_io.hpp"
#include "platform/numbers.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace session {
namespace {

// The first non-blank line after the line that holds field 10, or "". Each
// line holds as many fields as the reader finds in it, a blank line one.
std::string DeviceLine(std::string_view text) {
  int fields = 0;
  for (const std::string& line : platform::SplitLines(text)) {
    if (fields >= 10) {
      if (const std::string_view device = platform::TrimBlanks(line); !device.empty()) {
        return std::string(device);
      }
      continue;
    }
    platform::FieldReader reader(line);
    int here = 0;
    while (reader.Next()) ++here;
    fields += std::max(here, 1);
  }
  return "";
}

std::optional<unsigned> WholeNumber(std::string_view text) {
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// COM1 to COM256, in any case.
bool IsComName(std::string_view name) {
  if (name.size() < 4 || platform::AsciiLower(name.substr(0, 3)) != "com") return false;
  const std::optional<unsigned> number = WholeNumber(name.substr(3));
  return number && *number >= 1 && *number <= 256 && name[3] != '0';
}

}  // namespace

std::optional<OutputDevice> ParseTtlDevice(std::string_view text, std::string* why) {
  const auto fail = [why](std::string reason) -> std::optional<OutputDevice> {
    if (why != nullptr) *why = std::move(reason);
    return std::nullopt;
  };
  text = platform::TrimBlanks(text);
  const std::string quoted = "\"" + std::string(text) + "\"";
  OutputDevice device;
  std::string_view name = text;
  // A speed follows the last "@", unless a "/" shows it is part of the path.
  const std::size_t at = text.rfind('@');
  const bool has_speed =
      at != std::string_view::npos && text.find('/', at) == std::string_view::npos;
  if (has_speed) {
    name = text.substr(0, at);
    const std::optional<unsigned> speed = WholeNumber(text.substr(at + 1));
    if (!speed || *speed < 1 || *speed > 4000000) {
      return fail("the speed in " + quoted + " must be a whole number of baud, such as 9600 or " +
                  std::to_string(kDefaultSerialSpeed));
    }
    device.speed = *speed;
  }
  device.path = std::string(name);
  if (IsComName(name)) {
    device.kind = OutputDevice::Kind::kWindowsSerial;
  } else if (!name.empty() && name.front() == '/') {
    const std::string last = std::filesystem::path(device.path).filename().string();
    if (last.rfind("parport", 0) == 0) {
      if (has_speed) return fail(quoted + " is a parallel port, which takes no speed");
      device.kind = OutputDevice::Kind::kParallel;
    }
  } else {
#ifdef _WIN32
    return fail(quoted + " is not a device: give its COM port, such as COM3 or COM4@9600");
#else
    return fail(quoted +
                " is not a device: give its full path, such as /dev/ttyACM0, "
                "/dev/ttyUSB0@9600 or /dev/parport0");
#endif
  }
  return device;
}

bool ReadTtlConfiguration(std::string* why) {
  using namespace Module1;
  const auto fail = [why](std::string reason) {
    if (why != nullptr) *why = std::move(reason);
    return false;
  };
  const std::filesystem::path path = platform::ProgramFolder() / "ttl.txt";
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return fail("");

  std::string reason;
  std::optional<std::string> text = platform::ReadFileBytes(path, &reason);
  if (!text) return fail("ttl.txt could not be read (" + reason + ")");

  // A field by its number and meaning, as the messages name it.
  const auto field_name = [](int n) {
    const std::string number = "ttl.txt field " + std::to_string(n);
    if (n == 9) return number + " (the port address)";
    if (n == 10) return number + " (the pulse duration)";
    if (n % 2 == 0) return number + " (the code for Player " + std::to_string(n / 2) + ")";
    return number;
  };
  TtlDevice = DeviceLine(*text);
  platform::FieldReader fields(std::move(*text));
  for (int n = 1; n <= 10; ++n) {
    const std::optional<std::string> field = fields.Next();
    if (!field) return fail("ttl.txt ends before field " + std::to_string(n) + " of 10");
    if (!platform::ParseNumber(*field)) {
      return fail(field_name(n) + " is \"" + *field + "\", not a number");
    }
    if (n == 10) {
      TtlDuration = Value::FromField(*field);
      break;
    }
    const std::optional<std::int16_t> value = platform::ToInt16(*field);
    if (!value) return fail(field_name(n) + " is " + *field + ", out of range");
    if (n == 9) {
      TtlPort = *value;
    } else if (n % 2 == 0) {
      TtlCodes[n / 2] = *value;
    }
  }

  for (int p = 1; p <= 4; ++p) {
    if (TtlCodes[p] < 1 || TtlCodes[p] > 255) {
      return fail(field_name(2 * p) + " is " + std::to_string(TtlCodes[p]) +
                  ", out of range: codes must be 1 to 255");
    }
  }
  if (TtlPort < 1 || TtlPort >= 10000) {
    return fail(field_name(9) + " is " + std::to_string(TtlPort) +
                ", out of range: it must be 1 to 9999");
  }
  if (!(TtlDuration.Number() > 0 && TtlDuration.Number() < 10000)) {
    return fail(field_name(10) + " is " + TtlDuration.Text() +
                " ms, out of range: it must be above 0 and below 10000");
  }
  if (!TtlDevice.empty()) {
    std::string fault;
    if (!ParseTtlDevice(TtlDevice, &fault)) return fail("ttl.txt's device line: " + fault);
  }
  return true;
}

}  // namespace session
