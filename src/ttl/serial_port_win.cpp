#include <windows.h>

#include <system_error>

#include "ttl/serial_port.hpp"
#include "ttl/serial_system.hpp"

namespace ttl {

std::string DescribeSerialOpenError(int error_number, const std::string& device) {
  const std::string what = "cannot open " + device + ": ";
  switch (error_number) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return what +
             "there is no such port: is the device plugged in? (Device Manager lists the "
             "serial ports present under Ports (COM & LPT))";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return what + "the port is in use by another program";
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_BAD_COMMAND:
      return what + "no device answers behind it (unplugged, or its driver is not installed)";
    default:
      return what + std::system_category().message(error_number);
  }
}

std::string DeviceGoneNote(int error_number) {
  switch (error_number) {
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_BAD_COMMAND:
    case ERROR_OPERATION_ABORTED:
      return " (the device is gone: unplugged?)";
    default:
      return "";
  }
}

// COM1 to COM9 open by their names alone; every port opens by its device path.
std::string SystemDeviceName(const std::string& device) { return "\\\\.\\" + device; }

std::optional<std::size_t> DriverQueue(boost::asio::serial_port& port) {
  DWORD errors = 0;
  COMSTAT status{};
  if (!::ClearCommError(port.native_handle(), &errors, &status)) return std::nullopt;
  return static_cast<std::size_t>(status.cbOutQue);
}

}  // namespace ttl
