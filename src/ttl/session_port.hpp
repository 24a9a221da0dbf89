#pragma once
// Choosing and opening the TTL port at start-up, before the browser opens, so
// that a port that cannot be written stops the program before any participant
// sees the game rather than at the first catch.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "ttl/direct_io_port.hpp"
#include "ttl/port.hpp"
#include "ttl/ppdev_port.hpp"
#include "ttl/recording_port.hpp"

namespace ttl {

inline constexpr const char* kTtlProblem = "TTL Problem";

// What the backends work with; tests point them at a fake tree and clock.
struct PortEnvironment {
  std::filesystem::path proc_root = kParportProcRoot;
  std::filesystem::path dev_root = kDevRoot;
  DirectIoOps direct_io = SystemDirectIo();
  RecordingPort::TimeSource log_clock = MillisecondsSinceProgramStart;
};

struct OpenedPort {
  std::unique_ptr<Port> port;  // null on failure
  std::string problem;         // on failure: address, backend tried and reason
};

// The port for TTL output at `address`:
//  - with a port log file, the recording port on that file (no hardware);
//  - else the ppdev port whose base address is `address`;
//  - else, when the driver lists no such port, direct I/O at `address`.
OpenedPort OpenPort(std::uint16_t address, const std::string& port_log_file,
                    const PortEnvironment& env = PortEnvironment());

// Start-up, after the TTL configuration is read: when TTL output is on,
// opens the port for TtlPort (see OpenPort), makes it the current port and
// loads fTTL. When the port cannot be opened, shows a "TTL Problem" box and
// ends the program with status 2. With TTL output off it does nothing, even
// with a port log file.
void OpenPortForSession(const std::string& port_log_file,
                        const PortEnvironment& env = PortEnvironment());

}  // namespace ttl
