// Pulse-width accuracy on the real event loop: 1,000 pulses of 5 ms on the
// recording port while game pages are written on the same thread. Prints the
// error of the measured widths in milliseconds:
//  - as in the game: each throw writes its page, then starts its pulse;
//  - "_page_during_pulse": also a page written while every pulse is on (a
//    click arriving mid-pulse), which holds up the pulse's end until done.
// Then the same game-like pulses on a serial device, a pseudo-terminal pair
// standing in for it: each byte is stamped as it becomes readable at the other
// end, giving the width error and the latency from the catch to the code byte;
// beside them the pty's own delivery, the same bytes written straight to it.
#include <poll.h>
#include <pthread.h>
#include <pty.h>
#include <sched.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <boost/asio/io_context.hpp>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "platform/event_loop.hpp"
#include "platform/file_io.hpp"
#include "session/value.hpp"
#include "ttl/fttl.hpp"
#include "ttl/recording_port.hpp"
#include "ttl/serial_port.hpp"

namespace {

constexpr int kPulses = 1000;
constexpr int kDurationMs = 5;
constexpr int kCycleMs = 8;                    // pulse plus a 3 ms gap
constexpr std::size_t kPageBytes = 16 * 1024;  // about one game page with its script

struct Run {
  platform::AsioScheduler* scheduler;
  bool page_during_pulse;
  std::filesystem::path page;
  std::string page_text;
  std::vector<double>* sent_at = nullptr;  // when each pulse was started, if wanted
  int sent = 0;
  std::int16_t address = 888;
  std::int16_t code = 20;
  session::Value duration = session::Value::FromNumber(kDurationMs);

  void WritePage() { platform::WriteFileBytes(page, page_text); }

  // One throw: its page is written, then its pulse starts; when asked, another
  // page is written while the pulse is on, at a different moment each time.
  void Throw() {
    WritePage();
    if (sent_at != nullptr) sent_at->push_back(ttl::MillisecondsSinceProgramStart());
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
  ttl::SetPort(std::move(port));
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

struct SerialFigures {
  std::vector<double> width_errors;  // sorted
  std::vector<double> latencies;     // sorted: from the catch to the code byte readable
};

// The master end of a pseudo-terminal pair: every byte with the moment it
// became readable.
class PtyListener {
 public:
  explicit PtyListener(int master)
      : thread_([this, master] {
          // Ahead of the other programs on a busy machine where allowed, so that the
          // stamps measure the writer rather than the wait for this thread's turn.
          const sched_param realtime{sched_get_priority_min(SCHED_FIFO)};
          pthread_setschedparam(pthread_self(), SCHED_FIFO, &realtime);
          for (unsigned char buffer[64]; !stop_;) {
            pollfd ready{master, POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0) continue;
            const double now = ttl::MillisecondsSinceProgramStart();
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n; ++i) received_.emplace_back(buffer[i], now);
          }
        }) {}

  // Once the last byte written has had a moment to arrive.
  std::vector<std::pair<unsigned char, double>> Stop() {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stop_ = true;
    thread_.join();
    return std::move(received_);
  }

 private:
  std::vector<std::pair<unsigned char, double>> received_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The pseudo-terminal's own share of the serial figures: the same bytes at the
// same pace written straight to the raw pty, each stamped before its write(),
// then when it became readable at the other end. Sorted latencies, or empty.
std::vector<double> MeasureBarePty() {
  int master = -1, slave = -1;
  if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
    std::perror("openpty");
    return {};
  }
  termios raw{};
  ::tcgetattr(slave, &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(slave, TCSANOW, &raw);
  std::vector<double> written_at;
  {
    PtyListener listener(master);
    for (int i = 0; i < kPulses; ++i) {
      for (const unsigned char byte : {20, 0}) {
        written_at.push_back(ttl::MillisecondsSinceProgramStart());
        if (::write(slave, &byte, 1) != 1) std::perror("write");
        const int pause = byte != 0 ? kDurationMs : kCycleMs - kDurationMs;
        std::this_thread::sleep_for(std::chrono::milliseconds(pause));
      }
    }
    const auto received = listener.Stop();
    ::close(master);
    ::close(slave);
    if (received.size() != written_at.size()) {
      std::cerr << "bench_pulse: " << received.size() << " bare pty bytes of " << written_at.size()
                << std::endl;
      return {};
    }
    for (std::size_t i = 0; i < received.size(); ++i) {
      written_at[i] = received[i].second - written_at[i];
    }
  }
  std::sort(written_at.begin(), written_at.end());
  return written_at;
}

SerialFigures MeasureSerial(const std::filesystem::path& folder) {
  int master = -1, slave = -1;
  char name[256];
  if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
    std::perror("openpty");
    return {};
  }
  PtyListener listener(master);

  boost::asio::io_context io;
  platform::AsioScheduler scheduler(io);
  platform::SetScheduler(&scheduler);
  std::string error;
  auto port = ttl::SerialPort::Open(io, name, 115200, ttl::ReportWriteFailure, &error);
  std::vector<double> sent_at;
  if (port) {
    ttl::SetPort(std::move(port));
    ttl::LoadForm();
    Run run{&scheduler, false, folder / "page.htm", std::string(kPageBytes, 'x'), &sent_at};
    scheduler.CallAfter(0, [&run] { run.Throw(); });
    io.run();
    ttl::UnloadForm();
    ttl::SetPort(nullptr);
  } else {
    std::cerr << error << std::endl;
  }
  platform::SetScheduler(nullptr);
  const std::vector<std::pair<unsigned char, double>> received = listener.Stop();
  port.reset();
  ::close(master);
  ::close(slave);

  SerialFigures figures;
  if (received.size() != 2 * sent_at.size() ||
      sent_at.size() != static_cast<std::size_t>(kPulses)) {
    std::cerr << "bench_pulse: " << received.size() << " serial bytes for " << sent_at.size()
              << " pulses" << std::endl;
    return {};
  }
  for (std::size_t i = 0; i < sent_at.size(); ++i) {
    const auto& [code, on] = received[2 * i];
    const auto& [zero, off] = received[2 * i + 1];
    if (code != 20 || zero != 0) {
      std::cerr << "bench_pulse: pulse " << i << " came out as " << int(code) << ", " << int(zero)
                << std::endl;
      return {};
    }
    figures.latencies.push_back(on - sent_at[i]);
    figures.width_errors.push_back(std::abs(off - on - kDurationMs));
  }
  std::sort(figures.latencies.begin(), figures.latencies.end());
  std::sort(figures.width_errors.begin(), figures.width_errors.end());
  return figures;
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
  const SerialFigures serial = MeasureSerial(folder);
  const std::vector<double> bare_pty = MeasureBarePty();
  std::filesystem::remove_all(folder);
  if (game.empty() || busy.empty() || serial.latencies.empty() || bare_pty.empty()) return 1;

  const double mean =
      std::accumulate(game.begin(), game.end(), 0.0) / static_cast<double>(game.size());
  std::printf("pulse_width_error_mean_ms %.3f\n", mean);
  std::printf("pulse_width_error_p99_ms %.3f\n", Percentile(game, 0.99));
  std::printf("pulse_width_error_max_ms %.3f\n", game.back());
  std::printf("pulse_width_error_p99_ms_page_during_pulse %.3f\n", Percentile(busy, 0.99));
  std::printf("pulse_width_error_max_ms_page_during_pulse %.3f\n", busy.back());
  std::printf("serial_pulse_width_error_p99_ms %.3f\n", Percentile(serial.width_errors, 0.99));
  std::printf("serial_pulse_width_error_max_ms %.3f\n", serial.width_errors.back());
  std::printf("serial_write_latency_p99_ms %.3f\n", Percentile(serial.latencies, 0.99));
  std::printf("serial_write_latency_max_ms %.3f\n", serial.latencies.back());
  // The pty's own delivery, without the program: the part of the figures above
  // a real serial device would not add.
  std::printf("serial_pty_bare_p50_ms %.3f\n", Percentile(bare_pty, 0.5));
  std::printf("serial_pty_bare_p99_ms %.3f\n", Percentile(bare_pty, 0.99));
  std::printf("serial_pty_bare_max_ms %.3f\n", bare_pty.back());
  return 0;
}
