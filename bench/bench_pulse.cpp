// Pulse-width accuracy on the real event loop: 1,000 pulses of 5 ms on the
// recording port while game pages are written on the same thread. Prints the
// error of the measured widths in milliseconds:
//  - as in the game: each throw writes its page, then starts its pulse;
//  - "_page_during_pulse": also a page written while every pulse is on (a
//    click arriving mid-pulse), which holds up the pulse's end until done.
#include <unistd.h>

#include <algorithm>
#include <boost/asio/io_context.hpp>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

#include "platform/event_loop.hpp"
#include "platform/file_io.hpp"
#include "session/value.hpp"
#include "ttl/fttl.hpp"
#include "ttl/recording_port.hpp"

namespace {

constexpr int kPulses = 1000;
constexpr int kDurationMs = 5;
constexpr int kCycleMs = 8;  // pulse plus a 3 ms gap
constexpr std::size_t kPageBytes = 16 * 1024;  // about one game page with its script

struct Run {
  platform::AsioScheduler* scheduler;
  bool page_during_pulse;
  std::filesystem::path page;
  std::string page_text;
  int sent = 0;
  std::int16_t address = 888;
  std::int16_t code = 20;
  session::Value duration = session::Value::FromNumber(kDurationMs);

  void WritePage() { platform::WriteFileBytes(page, page_text); }

  // One throw: its page is written, then its pulse starts; when asked, another
  // page is written while the pulse is on, at a different moment each time.
  void Throw() {
    WritePage();
    ttl::LoadedForm()->SendTTL(address, code, duration);
    if (page_during_pulse) {
      scheduler->CallAfter(static_cast<std::uint32_t>(sent % kDurationMs), [this] { WritePage(); });
    }
    if (++sent < kPulses) scheduler->CallAfter(kCycleMs, [this] { Throw(); });
  }
};

double Percentile(const std::vector<double>& sorted, double p) {
  const auto rank = std::ceil(p * static_cast<double>(sorted.size()));
  const std::size_t i = rank < 1 ? 0 : static_cast<std::size_t>(rank) - 1;
  return sorted[std::min(i, sorted.size() - 1)];
}

// The sorted width errors of kPulses pulses, or empty when some were lost.
std::vector<double> Measure(const std::filesystem::path& folder, bool page_during_pulse) {
  const std::filesystem::path log = folder / "ports.log";
  std::filesystem::remove(log);
  boost::asio::io_context io;
  platform::AsioScheduler scheduler(io);
  platform::SetScheduler(&scheduler);
  std::string error;
  auto port = ttl::RecordingPort::Open(log, &error);
  if (!port) {
    std::cerr << error << std::endl;
    return {};
  }
  ttl::SetPort(port.get());
  ttl::LoadForm();

  Run run{&scheduler, page_during_pulse, folder / "page.htm", std::string(kPageBytes, 'x')};
  scheduler.CallAfter(0, [&run] { run.Throw(); });
  io.run();
  ttl::UnloadForm();
  ttl::SetPort(nullptr);
  platform::SetScheduler(nullptr);

  std::vector<double> errors;
  std::ifstream in(log);
  double ms = 0, pulse_start = -1;
  unsigned address = 0, value = 0;
  while (in >> ms >> address >> value) {
    if (value != 0) {
      pulse_start = ms;
    } else if (pulse_start >= 0) {
      errors.push_back(std::abs(ms - pulse_start - kDurationMs));
      pulse_start = -1;
    }
  }
  if (errors.size() != static_cast<std::size_t>(kPulses)) {
    std::cerr << "bench_pulse: " << errors.size() << " pulses recorded of " << kPulses << std::endl;
    return {};
  }
  std::sort(errors.begin(), errors.end());
  return errors;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/volleta-bench-pulse-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::filesystem::path folder = pattern;
  const std::vector<double> game = Measure(folder, false);
  const std::vector<double> busy = Measure(folder, true);
  std::filesystem::remove_all(folder);
  if (game.empty() || busy.empty()) return 1;

  const double mean =
      std::accumulate(game.begin(), game.end(), 0.0) / static_cast<double>(game.size());
  std::printf("pulse_width_error_mean_ms %.3f\n", mean);
  std::printf("pulse_width_error_p99_ms %.3f\n", Percentile(game, 0.99));
  std::printf("pulse_width_error_max_ms %.3f\n", game.back());
  std::printf("pulse_width_error_p99_ms_page_during_pulse %.3f\n", Percentile(busy, 0.99));
  std::printf("pulse_width_error_max_ms_page_during_pulse %.3f\n", busy.back());
  return 0;
}
