#include "ttl/system_device.hpp"

namespace ttl {

OpenedPort OpenSystemDevice(const session::OutputDevice& device, const std::string& where,
                            std::uint16_t address, boost::asio::io_context& io,
                            const PortEnvironment& env) {
  OpenedPort result;
  std::string error;
  switch (device.kind) {
    case session::OutputDevice::Kind::kWindowsSerial:
      result.problem = where + ": " + device.path +
                       " names a serial port on Windows; here give the device file instead, such "
                       "as /dev/ttyUSB0 or /dev/ttyACM0 (ls /dev/serial/by-id lists the serial "
                       "devices present).";
      break;
    case session::OutputDevice::Kind::kParallel:
      result.port = PpdevPort::Open(device.path, address, &error);
      if (!result.port) result.problem = where + ", parallel port driver (ppdev): " + error + ".";
      break;
    case session::OutputDevice::Kind::kSerial:
      result.port = SerialPort::Open(io, device.path, device.speed, env.serial_failure, &error);
      if (!result.port) result.problem = where + ", serial device: " + error + ".";
      break;
  }
  return result;
}

OpenedPort OpenParallelPort(std::uint16_t address, const PortEnvironment& env) {
  OpenedPort result;
  std::string error;
  const std::string where = "TTL port " + std::to_string(address);
  if (const auto parport = FindParportDevice(address, env.proc_root, env.dev_root)) {
    result.port = PpdevPort::Open(*parport, address, &error);
    if (!result.port) result.problem = where + ", parallel port driver (ppdev): " + error + ".";
    return result;
  }
  const std::string no_ppdev = DescribeMissingParport(address, env.proc_root);
  result.port = DirectIoPort::Open(address, env.direct_io, &error);
  if (!result.port) {
    result.problem = where + ": the parallel port driver (ppdev) cannot be used: " + no_ppdev +
                     ".  Direct port I/O was tried instead: " + error + ".";
  }
  return result;
}

}  // namespace ttl
