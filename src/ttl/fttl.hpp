#pragma once
// The TTL pulse form: puts a code on the port and takes it back to 0 after
// the configured number of milliseconds, on the game's event loop.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/event_loop.hpp"
#include "session/value.hpp"

class fTTL {
 public:
  fTTL();   // initialisation: creates PortTimer
  ~fTTL();  // unload handling: PortTimer stopped; the port is not written
  fTTL(const fTTL&) = delete;
  fTTL& operator=(const fTTL&) = delete;

  // Starts one pulse: NEW_PORT_VALUE on PORT_ADDRESS now, 0 after DURATION ms
  // (rounded half to even). A pulse still on is cut short by the new code,
  // whose full duration then runs.
  void SendTTL(std::int16_t& PORT_ADDRESS, std::int16_t& NEW_PORT_VALUE, session::Value& DURATION);
  // Ends the pulse.
  void PortTimer_Timer(std::int32_t Milliseconds);

  std::unique_ptr<platform::Timer> PortTimer;
  std::int16_t PulsePort = 0;
};

namespace ttl {
// A write to the current port failed, at once or (a serial device's) later:
// reported once on standard error, and no further writes are made until the
// next SetPort.
void ReportWriteFailure(std::int16_t address, std::int16_t value, const std::string& error);
// fTTL while it is loaded (TTL output on), else nullptr.
fTTL* LoadedForm();
// Loads fTTL (once). The port it writes to is CurrentPort().
void LoadForm();
// Unloads fTTL, running its unload handling. Only this unloads it: at the
// program's end the form is left as it is, as no unload handling runs then.
void UnloadForm();
}  // namespace ttl
