#include "ttl/serial_port.hpp"

#include <boost/asio/buffer.hpp>
#include <boost/asio/error.hpp>
#include <boost/asio/serial_port.hpp>
#include <boost/asio/write.hpp>
#include <system_error>
#include <vector>

#include "ttl/serial_system.hpp"

namespace ttl {

struct SerialPort::State : std::enable_shared_from_this<State> {
  State(boost::asio::io_context& io, std::string device, unsigned speed,
        LateFailure on_late_failure)
      : port(io),
        device(std::move(device)),
        speed(speed),
        on_late_failure(std::move(on_late_failure)) {}

  // Hands every waiting byte to the device in one write.
  void Send() {
    sending.swap(waiting);
    waiting.clear();
    boost::asio::async_write(port, boost::asio::buffer(sending),
                             [self = shared_from_this()](const boost::system::error_code& ec,
                                                         std::size_t) { self->Sent(ec); });
  }

  void Sent(const boost::system::error_code& ec) {
    if (closed || !failure.empty()) return;
    if (ec) {
      failure = device + ": " + ec.message() + DeviceGoneNote(ec.value());
      waiting.clear();
      if (on_late_failure) on_late_failure(address, sending.front(), failure);
      return;
    }
    sending.clear();
    if (!waiting.empty()) Send();
  }

  boost::asio::serial_port port;
  const std::string device;
  const unsigned speed;
  const LateFailure on_late_failure;
  std::uint16_t address = 0;          // of the latest write, for reports
  std::vector<std::uint8_t> sending;  // the write in flight
  std::vector<std::uint8_t> waiting;  // bytes behind it
  std::string failure;                // why writing stopped; empty while it works
  bool closed = false;
};

std::unique_ptr<SerialPort> SerialPort::Open(boost::asio::io_context& io, const std::string& device,
                                             unsigned speed, LateFailure on_late_failure,
                                             std::string* error) {
  using boost::asio::serial_port_base;
  auto state = std::make_shared<State>(io, device, speed, std::move(on_late_failure));
  boost::system::error_code ec;
  state->port.open(SystemDeviceName(device), ec);
  if (ec) {
    if (error != nullptr) *error = DescribeSerialOpenError(ec.value(), device);
    return nullptr;
  }
  state->port.set_option(serial_port_base::baud_rate(speed), ec);
  if (ec == boost::asio::error::invalid_argument) {
    if (error != nullptr) {
      *error = device + ": " + std::to_string(speed) +
               " baud is not a speed this system can set (common ones are 9600, 57600 and 115200)";
    }
    return nullptr;
  }
  if (!ec) state->port.set_option(serial_port_base::character_size(8), ec);
  if (!ec) state->port.set_option(serial_port_base::parity(serial_port_base::parity::none), ec);
  if (!ec)
    state->port.set_option(serial_port_base::stop_bits(serial_port_base::stop_bits::one), ec);
  if (!ec) {
    state->port.set_option(serial_port_base::flow_control(serial_port_base::flow_control::none),
                           ec);
  }
  if (ec) {
    if (error != nullptr) {
      *error = "cannot set " + device + " to " + std::to_string(speed) +
               " baud, 8 data bits, no parity, no flow control: " + ec.message();
    }
    return nullptr;
  }
  return std::unique_ptr<SerialPort>(new SerialPort(std::move(state)));
}

SerialPort::~SerialPort() {
  // The lines keep the last byte the device took.
  state_->closed = true;
  boost::system::error_code ignored;
  state_->port.close(ignored);
}

bool SerialPort::Outp(std::uint16_t address, std::uint8_t value, std::string* error) {
  State& s = *state_;
  if (s.failure.empty() && s.waiting.size() >= kQueueLimit) {
    s.failure = s.device + ": the device has stopped taking bytes (" +
                std::to_string(s.sending.size() + s.waiting.size()) +
                " are waiting; unplugged, or not reading them?)";
  }
  if (!s.failure.empty()) {
    if (error != nullptr) *error = s.failure;
    return false;
  }
  s.address = address;
  s.waiting.push_back(value);
  // With nothing in flight the byte is written at once, within this call.
  if (s.sending.empty()) s.Send();
  return true;
}

std::string SerialPort::Describe() const {
  return "serial " + state_->device + " at " + std::to_string(state_->speed) + " baud";
}

std::optional<std::size_t> SerialPort::BytesWaiting() const {
  const std::optional<std::size_t> in_driver = DriverQueue(state_->port);
  if (!in_driver) return std::nullopt;
  return *in_driver + state_->sending.size() + state_->waiting.size();
}

}  // namespace ttl
