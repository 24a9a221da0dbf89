#pragma once
// A serial device that sets its eight TTL lines to each byte written to it: a
// USB trigger box, an Arduino-based USB-to-parallel adapter, a serial port.
// Raw 8-bit, no parity, one stop bit, no flow control. Writes are handed to
// the device on the game's event loop and never wait for it.
#include <boost/asio/io_context.hpp>
#include <boost/system/error_code.hpp>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ttl/port.hpp"

namespace ttl {

// The experimenter's reading of a failed open of `device` (the system's error
// number: errno, or a Windows error code).
std::string DescribeSerialOpenError(int error_number, const std::string& device);

class SerialPort final : public Port {
 public:
  // A write that failed after Outp had returned: the address and value it
  // carried, and why.
  using LateFailure =
      std::function<void(std::uint16_t address, std::uint8_t value, const std::string& error)>;
  // Bytes that may wait behind a write the device has not yet taken; one more
  // means the device has stopped taking them.
  static constexpr std::size_t kQueueLimit = 64;

  // Opens `device` at `speed` baud. Its writes run on `io`, which must outlive
  // the port; `on_late_failure` hears of the first write that fails there. On
  // failure returns nullptr with the reason in `error`.
  static std::unique_ptr<SerialPort> Open(boost::asio::io_context& io, const std::string& device,
                                          unsigned speed, LateFailure on_late_failure,
                                          std::string* error);
  ~SerialPort() override;
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Writes `value` as one byte: at once when the device takes it, else after
  // the bytes before it (the address is only reported). False once a write
  // has failed or kQueueLimit bytes are waiting.
  bool Outp(std::uint16_t address, std::uint8_t value, std::string* error) override;
  std::string Describe() const override;

  // Bytes written but not yet sent on by the device's driver, and those still
  // waiting here; nullopt when the driver does not say.
  std::optional<std::size_t> BytesWaiting() const;

 private:
  struct State;
  explicit SerialPort(std::shared_ptr<State> state) : state_(std::move(state)) {}

  // Shared with the write in flight, whose handler may run after the port is gone.
  std::shared_ptr<State> state_;
};

}  // namespace ttl
