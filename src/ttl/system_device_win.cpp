#include "ttl/system_device.hpp"

#include <cerrno>

namespace ttl {

namespace {
constexpr const char* kNoParallelDriver =
    "Volleta has no parallel-port driver on Windows; connect a USB trigger box (a serial "
    "device) and name its port on the device line of ttl.txt, such as COM3 (Device Manager "
    "lists it under Ports (COM & LPT))";
}  // namespace

OpenedPort OpenSystemDevice(const session::OutputDevice& device, const std::string& where,
                            std::uint16_t /*address*/, boost::asio::io_context& io,
                            const PortEnvironment& env) {
  OpenedPort result;
  std::string error;
  switch (device.kind) {
    case session::OutputDevice::Kind::kWindowsSerial:
      result.port = SerialPort::Open(io, device.path, device.speed, env.serial_failure, &error);
      if (!result.port) result.problem = where + ", serial port: " + error + ".";
      break;
    case session::OutputDevice::Kind::kParallel:
    case session::OutputDevice::Kind::kSerial:
      result.problem = where + ": " + device.path +
                       " is a Linux device file; on Windows name the serial port instead, such "
                       "as COM3.";
      break;
  }
  return result;
}

OpenedPort OpenParallelPort(std::uint16_t address, const PortEnvironment& /*env*/) {
  OpenedPort result;
  result.problem = "TTL port " + std::to_string(address) + ": " + kNoParallelDriver + ".";
  return result;
}

// Nothing on Windows gives a program the I/O ports; the type keeps its
// documented failure for machines without port I/O.
DirectIoOps SystemDirectIo() {
  DirectIoOps ops;
  ops.ioperm = [](unsigned long, unsigned long, int) {
    errno = ENOSYS;
    return -1;
  };
  ops.outb = [](std::uint8_t, std::uint16_t) {};
  return ops;
}

}  // namespace ttl
