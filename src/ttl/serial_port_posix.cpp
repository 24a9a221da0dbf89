#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cerrno>
#include <system_error>

#include "ttl/serial_port.hpp"
#include "ttl/serial_system.hpp"

namespace ttl {
namespace {

// The group that may open `device`, for the cure of a permission refusal.
std::string GroupOf(const std::string& device) {
  struct stat info {};
  if (::stat(device.c_str(), &info) == 0 && info.st_gid != 0) {
    if (const group* entry = ::getgrgid(info.st_gid)) return entry->gr_name;
  }
  return "dialout";  // Debian's group for serial devices
}

}  // namespace

std::string DeviceGoneNote(int error_number) {
  switch (error_number) {
    case EIO:
    case ENXIO:
    case ENODEV:
      return " (the device is gone: unplugged?)";
    default:
      return "";
  }
}

std::string DescribeSerialOpenError(int error_number, const std::string& device) {
  const std::string what = "cannot open " + device + ": ";
  switch (error_number) {
    case EACCES:
    case EPERM: {
      const std::string group = GroupOf(device);
      return what + "permission denied: add the user to the group " + group +
             " (sudo usermod -aG " + group + " $USER), then log in again";
    }
    case ENOENT:
      return what +
             "there is no such device: is it plugged in? (ls /dev/serial/by-id lists the "
             "serial devices present)";
    case ENOTTY:
      return what + "it is not a serial device";
    case EBUSY:
      return what + "the device is in use by another program";
    case EIO:
    case ENXIO:
    case ENODEV:
      return what + "no device answers behind it (unplugged, or its driver is not loaded)";
    default:
      return what + std::generic_category().message(error_number);
  }
}

std::string SystemDeviceName(const std::string& device) { return device; }

std::optional<std::size_t> DriverQueue(boost::asio::serial_port& port) {
  int in_driver = 0;
  if (::ioctl(port.native_handle(), TIOCOUTQ, &in_driver) != 0) return std::nullopt;
  return static_cast<std::size_t>(in_driver);
}

}  // namespace ttl
