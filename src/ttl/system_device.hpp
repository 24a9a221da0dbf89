#pragma once
// The part of opening the TTL port that differs between systems: the devices
// a system has a driver for, and what stands for a bare port address.
#include <cstdint>
#include <string>

#include <boost/asio/io_context.hpp>

#include "session/ttl_config.hpp"
#include "ttl/session_port.hpp"

namespace ttl {

// Opens `device` as named in ttl.txt or with --ttl-device; `where` starts a
// problem's text.
OpenedPort OpenSystemDevice(const session::OutputDevice& device, const std::string& where,
                            std::uint16_t address, boost::asio::io_context& io,
                            const PortEnvironment& env);

// The parallel port whose base address is `address`, when no device is named.
OpenedPort OpenParallelPort(std::uint16_t address, const PortEnvironment& env);

}  // namespace ttl
