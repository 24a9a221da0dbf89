#include "ttl/ppdev_port.hpp"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <system_error>

#include "platform/file_io.hpp"

namespace ttl {
namespace {

std::string SystemMessage(int error_number) {
  return std::generic_category().message(error_number);
}

std::optional<int> PortNumberOf(const std::string& name) {
  constexpr std::string_view prefix = "parport";
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
    return std::nullopt;
  }
  int number = 0;
  const char* first = name.data() + prefix.size();
  const char* last = name.data() + name.size();
  const auto [end, ec] = std::from_chars(first, last, number);
  if (ec != std::errc() || end != last) return std::nullopt;
  return number;
}

// base-addr holds the base address and the extended one ("888\t1912");
// the first is the data register's.
std::optional<long> FirstNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return std::nullopt;
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (ec != std::errc()) return std::nullopt;
  return value;
}

std::string Hex(long value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "0x%lx", value);
  return buffer;
}

}  // namespace

std::vector<ParportEntry> ListParports(const std::filesystem::path& proc_root) {
  std::vector<ParportEntry> ports;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(proc_root, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::optional<int> number = PortNumberOf(it->path().filename().string());
    if (!number) continue;  // "default" and anything else that is no port
    ParportEntry entry;
    entry.number = *number;
    if (const auto text = platform::ReadFileBytes(it->path() / "base-addr")) {
      entry.base_address = FirstNumber(*text);
    }
    ports.push_back(entry);
  }
  std::sort(ports.begin(), ports.end(),
            [](const ParportEntry& a, const ParportEntry& b) { return a.number < b.number; });
  return ports;
}

std::optional<std::filesystem::path> FindParportDevice(std::uint16_t address,
                                                       const std::filesystem::path& proc_root,
                                                       const std::filesystem::path& dev_root) {
  for (const ParportEntry& port : ListParports(proc_root)) {
    if (port.base_address && *port.base_address == address) {
      return dev_root / ("parport" + std::to_string(port.number));
    }
  }
  return std::nullopt;
}

std::string DescribeMissingParport(std::uint16_t address, const std::filesystem::path& proc_root) {
  std::error_code ec;
  if (!std::filesystem::is_directory(proc_root, ec)) {
    return "the parallel port driver is not loaded (" + proc_root.string() +
           " does not exist; load it with: sudo modprobe parport_pc ppdev)";
  }
  const std::vector<ParportEntry> ports = ListParports(proc_root);
  if (ports.empty()) return "the parallel port driver lists no ports in " + proc_root.string();
  std::string found;
  for (const ParportEntry& port : ports) {
    if (!found.empty()) found += ", ";
    found += "parport" + std::to_string(port.number) + " at ";
    found += port.base_address
                 ? std::to_string(*port.base_address) + " (" + Hex(*port.base_address) + ")"
                 : "an unknown address";
  }
  return "no parallel port has base address " + std::to_string(address) + " (" + Hex(address) +
         "); the ports are: " + found;
}

std::string DescribeOpenError(int error_number, const std::filesystem::path& device) {
  const std::string what = "cannot open " + device.string() + ": ";
  switch (error_number) {
    case EACCES:
    case EPERM:
      return what +
             "permission denied: add the user to the lp group "
             "(sudo usermod -aG lp $USER), then log in again";
    case ENOENT:
      return what + "the device file does not exist: load the ppdev module (sudo modprobe ppdev)";
    case ENXIO:
    case ENODEV:
      return what + "no port answers behind it: load the parport_pc and ppdev modules";
    case EBUSY:
      return what + "the port is in use by another program";
    default:
      return what + SystemMessage(error_number);
  }
}

std::string DescribeClaimError(int error_number, const std::filesystem::path& device) {
  switch (error_number) {
    case ENOTTY:
    case EINVAL:
      return device.string() + " is not a parallel port device (" + SystemMessage(error_number) +
             ")";
    case EBUSY:
      return "cannot claim " + device.string() +
             ": the port is in use by another driver or "
             "program";
    default:
      return "cannot claim " + device.string() + ": " + SystemMessage(error_number);
  }
}

std::unique_ptr<PpdevPort> PpdevPort::Open(const std::filesystem::path& device,
                                           std::uint16_t address, std::string* error) {
  const int fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    if (error != nullptr) *error = DescribeOpenError(errno, device);
    return nullptr;
  }
  if (::ioctl(fd, PPCLAIM) != 0) {
    const int claim_error = errno;
    ::close(fd);
    if (error != nullptr) *error = DescribeClaimError(claim_error, device);
    return nullptr;
  }
  return std::unique_ptr<PpdevPort>(new PpdevPort(fd, device, address));
}

PpdevPort::PpdevPort(int fd, std::filesystem::path device, std::uint16_t address)
    : fd_(fd), device_(std::move(device)), address_(address) {}

PpdevPort::~PpdevPort() {
  // Releasing does not change the data lines: the last code stays.
  ::ioctl(fd_, PPRELEASE);
  ::close(fd_);
}

bool PpdevPort::Outp(std::uint16_t address, std::uint8_t value, std::string* error) {
  if (address != address_) {
    if (error != nullptr) {
      *error = "port " + std::to_string(address) + " is not the one opened (" +
               std::to_string(address_) + ")";
    }
    return false;
  }
  unsigned char data = value;
  if (::ioctl(fd_, PPWDATA, &data) != 0) {
    if (error != nullptr) *error = device_.string() + ": " + SystemMessage(errno);
    return false;
  }
  return true;
}

std::string PpdevPort::Describe() const { return "ppdev " + device_.string(); }

}  // namespace ttl
