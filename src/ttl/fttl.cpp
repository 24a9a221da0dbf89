#include "ttl/fttl.hpp"

#include <iostream>
#include <string>

#include "platform/text_file.hpp"
#include "ttl/port.hpp"

namespace {
std::unique_ptr<fTTL> g_form;
ttl::Port* g_port = nullptr;
bool g_write_failed = false;

void Write(std::int16_t address, std::int16_t value) {
  if (g_port == nullptr || g_write_failed) return;
  std::string error;
  if (!g_port->Outp(static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(value), &error)) {
    // A port that vanished mid-session must not end it: say so once, go on
    // without pulses.
    g_write_failed = true;
    std::cerr << "TTL Problem: writing port " << address << " failed (" << error
              << "); no further TTL pulses are sent in this session." << std::endl;
  }
}
}  // namespace

fTTL::fTTL() : PortTimer(std::make_unique<platform::Timer>([this] { PortTimer_Timer(0); }, 0)) {}

fTTL::~fTTL() {
  PortTimer->SetEnabled(false);
  PortTimer.reset();
}

void fTTL::SendTTL(std::int16_t& PORT_ADDRESS, std::int16_t& NEW_PORT_VALUE,
                   session::Value& DURATION) {
  PulsePort = PORT_ADDRESS;
  Write(PORT_ADDRESS, NEW_PORT_VALUE);
  if (DURATION.Number() > 0) {
    PortTimer->SetInterval(static_cast<std::uint32_t>(platform::RoundHalfEven(DURATION.Number())));
    PortTimer->SetEnabled(true);
  }
}

void fTTL::PortTimer_Timer(std::int32_t /*Milliseconds*/) {
  Write(PulsePort, 0);
  PortTimer->SetEnabled(false);
}

namespace ttl {

Port* CurrentPort() { return g_port; }
void SetPort(Port* port) {
  g_port = port;
  g_write_failed = false;
}

fTTL* LoadedForm() { return g_form.get(); }
void LoadForm() {
  if (!g_form) g_form = std::make_unique<fTTL>();
}
void UnloadForm() { g_form.reset(); }

}  // namespace ttl
