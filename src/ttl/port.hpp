#pragma once
// Writing a byte to a hardware I/O port (the parallel port's data register).
#include <cstdint>
#include <memory>
#include <string>

namespace ttl {

class Port {
 public:
  virtual ~Port() = default;
  // Puts `value` on port `address` at once; it stays until the next write.
  // Returns false (with the reason in `error`) when the write failed.
  virtual bool Outp(std::uint16_t address, std::uint8_t value, std::string* error) = 0;
  // How the port is reached, for messages: "ppdev /dev/parport0", ...
  virtual std::string Describe() const = 0;
};

// The port fTTL writes to (set at start-up when TTL output is on). It is
// owned here until the next SetPort; nullptr closes it.
Port* CurrentPort();
void SetPort(std::unique_ptr<Port> port);

// Since the last SetPort: how many codes (non-zero bytes) the port took, and
// the write failure that stopped the pulses (one line; empty when none).
int CodesSent();
const std::string& WriteFault();

}  // namespace ttl
