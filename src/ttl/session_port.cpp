#include "ttl/session_port.hpp"

#include "session/module1.hpp"
#include "session/refuse.hpp"
#include "ttl/fttl.hpp"

namespace ttl {
namespace {
// The session's port; it lives until the process ends.
std::unique_ptr<Port> g_session_port;
}  // namespace

OpenedPort OpenPort(std::uint16_t address, const std::string& port_log_file,
                    const PortEnvironment& env) {
  OpenedPort result;
  std::string error;
  const std::string where = "TTL port " + std::to_string(address);
  if (!port_log_file.empty()) {
    result.port = RecordingPort::Open(port_log_file, &error, env.log_clock);
    if (!result.port) result.problem = where + ", recording port: " + error + ".";
    return result;
  }
  if (const auto device = FindParportDevice(address, env.proc_root, env.dev_root)) {
    result.port = PpdevPort::Open(*device, address, &error);
    if (!result.port) result.problem = where + ", parallel port driver (ppdev): " + error + ".";
    return result;
  }
  const std::string no_ppdev = DescribeMissingParport(address, env.proc_root);
  result.port = DirectIoPort::Open(address, env.direct_io, &error);
  if (!result.port) {
    result.problem = where + ": the parallel port driver (ppdev) cannot be used: " + no_ppdev +
                     ".  Direct port I/O was tried instead: " + error + ".";
  }
  return result;
}

void OpenPortForSession(const std::string& port_log_file, const PortEnvironment& env) {
  using namespace Module1;
  if (!TtlEnabled) return;
  OpenedPort opened = OpenPort(static_cast<std::uint16_t>(TtlPort), port_log_file, env);
  if (!opened.port) {
    session::Refuse(kTtlProblem, "TTL output is switched on by ttl.txt, but its port cannot be "
                                 "written.  " + opened.problem +
                                 "  See readme.htm for help.  " + session::kEndsProgram);
  }
  SetPort(nullptr);
  g_session_port = std::move(opened.port);
  SetPort(g_session_port.get());
  LoadForm();
}

}  // namespace ttl
