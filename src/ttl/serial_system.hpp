#pragma once
// What the serial port needs of the system: the name a device is opened by,
// the driver's output queue, and the reading of its errors.
#include <boost/asio/serial_port.hpp>
#include <cstddef>
#include <optional>
#include <string>

namespace ttl {

// The name to open for `device` as the experimenter wrote it.
std::string SystemDeviceName(const std::string& device);

// Bytes the driver holds that the device has not yet taken; nullopt when the
// driver does not say.
std::optional<std::size_t> DriverQueue(boost::asio::serial_port& port);

// A note for a failed write whose error means the device is gone, else "".
std::string DeviceGoneNote(int error_number);

}  // namespace ttl
