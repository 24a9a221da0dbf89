#include "ttl/fttl.hpp"

#include <cstdint>
#include <iostream>
#include <limits>
#include <string>

#include "platform/numbers.hpp"
#include "ttl/port.hpp"

namespace {
// A plain pointer on purpose: a form still loaded when the program ends is not
// destroyed at exit, where its timer would reach for a scheduler already gone.
fTTL* g_form = nullptr;
// The port stays open until the next SetPort, outliving fTTL.
std::unique_ptr<ttl::Port> g_port;
bool g_write_failed = false;
int g_codes_sent = 0;
std::string g_fault;

void Write(std::int16_t address, std::int16_t value) {
  if (g_port == nullptr || g_write_failed) return;
  std::string error;
  if (!g_port->Outp(static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(value),
                    &error)) {
    ttl::ReportWriteFailure(address, value, error);
  } else if (value != 0) {
    ++g_codes_sent;
  }
}

// The duration as a whole number of milliseconds, an exact half going to the
// even neighbour; kept within the timer's range.
std::uint32_t IntervalOf(const session::Value& duration) {
  const double ms = platform::RoundHalfEven(duration.Number());
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  if (!(ms > 0)) return 0;
  return ms >= kMax ? static_cast<std::uint32_t>(kMax) : static_cast<std::uint32_t>(ms);
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
    // Assigning the interval to a running timer restarts its countdown, so a
    // second pulse holds its code for the whole duration.
    PortTimer->SetInterval(IntervalOf(DURATION));
    PortTimer->SetEnabled(true);
  }
}

void fTTL::PortTimer_Timer(std::int32_t /*Milliseconds*/) {
  Write(PulsePort, 0);
  PortTimer->SetEnabled(false);
}

namespace ttl {

Port* CurrentPort() { return g_port.get(); }
void SetPort(std::unique_ptr<Port> port) {
  g_port = std::move(port);
  g_write_failed = false;
  g_codes_sent = 0;
  g_fault.clear();
}

int CodesSent() { return g_codes_sent; }
const std::string& WriteFault() { return g_fault; }

void ReportWriteFailure(std::int16_t address, std::int16_t value, const std::string& error) {
  // A port that vanished mid-session must not end it: say so once, go on
  // without pulses.
  if (g_write_failed) return;
  g_write_failed = true;
  g_fault = "writing " + std::to_string(value) + " to port " + std::to_string(address) +
            " failed (" + error + "); no further TTL pulses are sent in this session.";
  std::cerr << "TTL Problem: " << g_fault << std::endl;
}

fTTL* LoadedForm() { return g_form; }
void LoadForm() {
  if (g_form == nullptr) g_form = new fTTL();
}
void UnloadForm() {
  fTTL* form = g_form;
  g_form = nullptr;
  delete form;
}

}  // namespace ttl
