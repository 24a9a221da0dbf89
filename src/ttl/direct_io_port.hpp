#pragma once
// Direct port I/O (ioperm and outb): for a port the parallel-port driver does
// not list. x86 only; needs root or the CAP_SYS_RAWIO capability.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ttl/port.hpp"

namespace ttl {

// The two machine operations, replaceable so that the selection and error
// paths can be run without touching hardware.
struct DirectIoOps {
  // As ioperm(2): 0 on success, else -1 with errno set.
  std::function<int(unsigned long from, unsigned long count, int turn_on)> ioperm;
  std::function<void(std::uint8_t value, std::uint16_t port)> outb;
};

// The machine's own ioperm and outb; elsewhere than x86, an ioperm that fails
// with ENOSYS.
DirectIoOps SystemDirectIo();

// The experimenter's reading of a failed ioperm for `address`.
std::string DescribeIopermError(int error_number, std::uint16_t address);

class DirectIoPort final : public Port {
 public:
  // Obtains access to `address`. On failure returns nullptr with the reason in
  // `error`.
  static std::unique_ptr<DirectIoPort> Open(std::uint16_t address, DirectIoOps ops,
                                            std::string* error);

  bool Outp(std::uint16_t address, std::uint8_t value, std::string* error) override;
  std::string Describe() const override;

 private:
  DirectIoPort(std::uint16_t address, DirectIoOps ops) : address_(address), ops_(std::move(ops)) {}

  std::uint16_t address_;
  DirectIoOps ops_;
};

}  // namespace ttl
