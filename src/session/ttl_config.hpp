#pragma once
// The TTL configuration file "ttl.txt" in the program folder: ten numeric
// fields separated by commas or line ends. Fields 1, 3, 5, 7 are read and
// ignored; 2, 4, 6, 8 are the codes of Players 1 to 4; 9 is the port address;
// 10 the pulse length in milliseconds (may be fractional). The first non-blank
// line after the one holding field 10, if any, names the output device.
#include <optional>
#include <string>
#include <string_view>

namespace session {

// Reads ttl.txt into TtlCodes, TtlPort, TtlDuration and TtlDevice. Returns
// whether TTL output can be switched on: the file exists, holds ten numbers,
// every code is 1 to 255, the port 1 to 9999, the duration above 0 and below
// 10000, and a device line, if there is one, reads as a device (see
// ParseTtlDevice). When it can't, `why` says why in one line naming the file
// and the field, as in "ttl.txt field 9 (the port address) is 0, out of
// range: it must be 1 to 9999" (empty when the file is simply absent).
bool ReadTtlConfiguration(std::string* why);

inline constexpr unsigned kDefaultSerialSpeed = 115200;

// An output device as ttl.txt or --ttl-device name it:
//   /dev/parportN             a parallel port (any path whose last part starts with "parport")
//   /dev/ttyACM0[@SPEED]      any other absolute path: a serial device, SPEED in baud
//   COM3[@SPEED]              a Windows serial port (accepted here, opened only on Windows)
struct OutputDevice {
  enum class Kind { kParallel, kSerial, kWindowsSerial };
  Kind kind = Kind::kSerial;
  std::string path;                      // the device without its speed
  unsigned speed = kDefaultSerialSpeed;  // serial devices only
};

// Reads a device name (blanks around it are ignored). On a fault returns
// nullopt with the reason in `why`.
std::optional<OutputDevice> ParseTtlDevice(std::string_view text, std::string* why);

}  // namespace session
