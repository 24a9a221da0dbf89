#include "ttl/session_port.hpp"

#include <chrono>
#include <thread>

#include "session/module1.hpp"
#include "session/refuse.hpp"
#include "session/ttl_config.hpp"
#include "ttl/fttl.hpp"
#include "ttl/system_device.hpp"

namespace ttl {
namespace {

struct DeviceChoice {
  std::string device;  // empty: the parallel port at TtlPort
  std::string source;  // where it was named
};

// --ttl-device wins over the device line of ttl.txt.
DeviceChoice ChooseDevice(const std::string& device_override) {
  if (!device_override.empty()) return {device_override, "given with --ttl-device"};
  return {Module1::TtlDevice, "named in ttl.txt"};
}

OpenedPort OpenDevice(std::uint16_t address, const DeviceChoice& choice,
                      boost::asio::io_context& io, const PortEnvironment& env) {
  OpenedPort result;
  const std::string where = "TTL device " + choice.device + " (" + choice.source + ")";
  std::string error;
  const std::optional<session::OutputDevice> device =
      session::ParseTtlDevice(choice.device, &error);
  if (!device) {
    result.problem = where + ": " + error + ".";
    return result;
  }
  return OpenSystemDevice(*device, where, address, io, env);
}

// The device as the session record names it: its path, a serial one's speed after "@".
std::string DeviceName(const std::string& named) {
  std::string ignored;
  const std::optional<session::OutputDevice> device = session::ParseTtlDevice(named, &ignored);
  if (!device) return named;
  if (device->kind == session::OutputDevice::Kind::kParallel) return device->path;
  return device->path + "@" + std::to_string(device->speed);
}

[[noreturn]] void RefuseUnopenedPort(const OpenedPort& opened) {
  session::Refuse(kTtlProblem,
                  "TTL output is switched on by ttl.txt, but its port cannot be "
                  "written.  " +
                      opened.problem + "  See readme.htm for help.  " + session::kEndsProgram);
}

}  // namespace

OpenedPort OpenPort(std::uint16_t address, const std::string& device,
                    const std::string& device_source, const std::string& port_log_file,
                    boost::asio::io_context& io, const PortEnvironment& env) {
  OpenedPort result;
  std::string error;
  const std::string where = "TTL port " + std::to_string(address);
  if (!port_log_file.empty()) {
    result.port = RecordingPort::Open(port_log_file, &error, env.log_clock);
    if (!result.port) result.problem = where + ", recording port: " + error + ".";
    return result;
  }
  if (!device.empty()) return OpenDevice(address, {device, device_source}, io, env);
  return OpenParallelPort(address, env);
}

void OpenPortForSession(boost::asio::io_context& io, const std::string& port_log_file,
                        const std::string& device_override, const PortEnvironment& env) {
  using namespace Module1;
  // Nothing of an earlier session (a pilot's games share the process) is counted.
  SetPort(nullptr);
  if (!TtlEnabled) return;
  const DeviceChoice choice = ChooseDevice(device_override);
  OpenedPort opened = OpenPort(static_cast<std::uint16_t>(TtlPort), choice.device, choice.source,
                               port_log_file, io, env);
  if (!opened.port) RefuseUnopenedPort(opened);
  if (!port_log_file.empty()) {
    TtlState = "dry run to " + port_log_file;
  } else if (!choice.device.empty()) {
    TtlState = DeviceName(choice.device);
  } else {
    TtlState = "LPT " + std::to_string(TtlPort) + " (" + opened.port->Describe() + ")";
  }
  SetPort(std::move(opened.port));
  LoadForm();
}

void ClosePortForSession() { SetPort(nullptr); }

std::string CheckPortForSession(const std::string& port_log_file,
                                const std::string& device_override, const PortEnvironment& env) {
  using namespace std::chrono_literals;
  using Module1::TtlPort;
  if (!Module1::TtlEnabled) return "";
  boost::asio::io_context io;
  std::string late_failure;
  PortEnvironment check_env = env;
  check_env.serial_failure = [&late_failure](std::uint16_t, std::uint8_t, const std::string& e) {
    late_failure = e;
  };
  const DeviceChoice choice = ChooseDevice(device_override);
  const OpenedPort opened = OpenPort(static_cast<std::uint16_t>(TtlPort), choice.device,
                                     choice.source, port_log_file, io, check_env);
  if (!opened.port) RefuseUnopenedPort(opened);

  std::string report = opened.port->Describe();
  if (port_log_file.empty() && !choice.device.empty()) report += " (" + choice.source + ")";
  if (!port_log_file.empty()) return report + ": opened; --check writes nothing to a port log";
  std::string error;
  if (!opened.port->Outp(static_cast<std::uint16_t>(TtlPort), 0, &error)) {
    return report + ": opened, but writing 0 to it failed: " + error;
  }
  if (auto* serial = dynamic_cast<SerialPort*>(opened.port.get())) {
    // The byte is handed on once the write completes; a device that runs is
    // then sent it by its driver at once.
    for (const auto end = std::chrono::steady_clock::now() + 2s;;) {
      io.restart();
      io.poll();
      if (!late_failure.empty()) {
        return report + ": opened, but writing 0 to it failed: " + late_failure;
      }
      const std::optional<std::size_t> waiting = serial->BytesWaiting();
      if (!waiting || *waiting == 0) break;
      if (std::chrono::steady_clock::now() >= end) {
        return report +
               ": opened, but it has not taken a byte written 2 s ago (is it the right "
               "device, and is it running?)";
      }
      std::this_thread::sleep_for(10ms);
    }
  }
  return report + ": opened; it took a 0 byte (all lines low)";
}

}  // namespace ttl
