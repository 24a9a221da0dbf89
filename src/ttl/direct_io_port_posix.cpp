#include "ttl/direct_io_port.hpp"

#include <cerrno>
#include <system_error>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define VOLLETA_HAS_PORT_IO 1
#endif

namespace ttl {

DirectIoOps SystemDirectIo() {
  DirectIoOps ops;
#ifdef VOLLETA_HAS_PORT_IO
  ops.ioperm = [](unsigned long from, unsigned long count, int turn_on) {
    return ::ioperm(from, count, turn_on);
  };
  ops.outb = [](std::uint8_t value, std::uint16_t port) { ::outb(value, port); };
#else
  ops.ioperm = [](unsigned long, unsigned long, int) {
    errno = ENOSYS;
    return -1;
  };
  ops.outb = [](std::uint8_t, std::uint16_t) {};
#endif
  return ops;
}

std::string DescribeIopermError(int error_number, std::uint16_t address) {
  const std::string what = "no access to I/O port " + std::to_string(address) + ": ";
  switch (error_number) {
    case EPERM:
    case EACCES:
      return what +
             "permission denied: direct port access needs root or the CAP_SYS_RAWIO "
             "capability (without them, use the parallel port driver: load parport_pc "
             "and ppdev and add the user to the lp group)";
    case ENOSYS:
      return what + "direct port I/O exists only on x86 machines";
    case EINVAL:
      return what + "the address is outside the machine's I/O port range";
    default:
      return what + std::generic_category().message(error_number);
  }
}

std::unique_ptr<DirectIoPort> DirectIoPort::Open(std::uint16_t address, DirectIoOps ops,
                                                 std::string* error) {
  errno = 0;
  if (ops.ioperm(address, 1, 1) != 0) {
    if (error != nullptr) *error = DescribeIopermError(errno, address);
    return nullptr;
  }
  return std::unique_ptr<DirectIoPort>(new DirectIoPort(address, std::move(ops)));
}

bool DirectIoPort::Outp(std::uint16_t address, std::uint8_t value, std::string* error) {
  // Access was granted for one address only; any other would fault.
  if (address != address_) {
    if (error != nullptr) {
      *error = "port " + std::to_string(address) + " is not the one opened (" +
               std::to_string(address_) + ")";
    }
    return false;
  }
  ops_.outb(value, address);
  return true;
}

std::string DirectIoPort::Describe() const {
  return "direct I/O at port " + std::to_string(address_);
}

}  // namespace ttl
