#pragma once
// Choosing and opening the TTL port at start-up, before the browser opens, so
// that a port that cannot be written stops the program before any participant
// sees the game rather than at the first catch.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include <boost/asio/io_context.hpp>

#include "session/refuse.hpp"
#include "ttl/direct_io_port.hpp"
#include "ttl/fttl.hpp"
#include "ttl/port.hpp"
#include "ttl/ppdev_port.hpp"
#include "ttl/recording_port.hpp"
#include "ttl/serial_port.hpp"

namespace ttl {

inline constexpr const char* kTtlProblem = session::kTtlProblem;

// What the backends work with; tests point them at a fake tree and clock.
struct PortEnvironment {
  std::filesystem::path proc_root = kParportProcRoot;
  std::filesystem::path dev_root = kDevRoot;
  DirectIoOps direct_io = SystemDirectIo();
  RecordingPort::TimeSource log_clock = MillisecondsSinceProgramStart;
  // Hears of a serial write that failed after it was handed on.
  SerialPort::LateFailure serial_failure = [](std::uint16_t address, std::uint8_t value,
                                              const std::string& error) {
    ReportWriteFailure(static_cast<std::int16_t>(address), value, error);
  };
};

struct OpenedPort {
  std::unique_ptr<Port> port;  // null on failure
  std::string problem;         // on failure: the device or address, backend tried and reason
};

// The port for TTL output at `address`:
//  - with a port log file, the recording port on that file (no hardware);
//  - else, when `device` names one (see session::ParseTtlDevice), that device:
//    a serial one writing on `io`, a parallel one through ppdev;
//  - else the ppdev port whose base address is `address`;
//  - else, when the driver lists no such port, direct I/O at `address`.
// `device_source` says where the device was named, for messages.
OpenedPort OpenPort(std::uint16_t address, const std::string& device,
                    const std::string& device_source, const std::string& port_log_file,
                    boost::asio::io_context& io, const PortEnvironment& env = PortEnvironment());

// Start-up, after the TTL configuration is read: when TTL output is on,
// opens the port for TtlPort and the device (`device_override` from
// --ttl-device, else TtlDevice; see OpenPort), makes it the current port and
// loads fTTL; TtlState then names where the pulses go: "dry run to FILE", the device as named
// ("/dev/ttyACM0@115200", "COM3@9600", "/dev/parport0") or "LPT 888 (how it is reached)". When the
// port cannot be opened, shows a "TTL Problem" box and ends the program with status 2. With TTL
// output off it does nothing, even with a port log file. `io` is the game's event loop.
void OpenPortForSession(boost::asio::io_context& io, const std::string& port_log_file,
                        const std::string& device_override = "",
                        const PortEnvironment& env = PortEnvironment());

// Closes the session's port; call it before the event loop goes.
void ClosePortForSession();

// --check, after the TTL configuration is read: opens the port a session
// would open (refused as at start-up when it can't be) and, except for a port
// log, writes 0 to it. Returns what --check reports: the port, and whether
// it took the byte. Empty with TTL output off.
std::string CheckPortForSession(const std::string& port_log_file,
                                const std::string& device_override,
                                const PortEnvironment& env = PortEnvironment());

}  // namespace ttl
