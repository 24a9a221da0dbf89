// The Lab Streaming Layer outlets as the game drives them, received by a local
// inlet (liblsl's own) on another thread. Prints, in milliseconds:
//  - lsl_push_latency_p99_ms: from the program's write of a catch's code to
//    the sample's arrival at the inlet;
//  - lsl_onset_stamp_error_p99_ms: an onset's stamp as the inlet receives it
//    against the onset's program-clock time read on the LSL clock.
// Streams stay on this machine (tests/lsl/lsl_api.cfg).
#include <lsl_cpp.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <boost/asio/io_context.hpp>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "lsl/outlets.hpp"
#include "platform/clock.hpp"
#include "platform/file_io.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace {

constexpr int kSamples = 1000;

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size()))) - 1];
}

// Pulls `count` samples of the stream `name`; `arrivals` gets the LSL clock
// at each arrival, `stamps` each sample's corrected stamp.
void Receive(const std::string& name, int count, std::atomic<bool>& ready,
             std::vector<double>& arrivals, std::vector<double>& stamps) {
  std::vector<lsl::stream_info> found;
  while (found.empty()) found = lsl::resolve_stream("name", name, 1, 1.0);
  lsl::stream_inlet inlet(found[0]);
  inlet.open_stream(30);
  const double correction = inlet.time_correction(10);
  ready = true;
  for (int k = 0; k < count; ++k) {
    std::int32_t value = 0;
    const double stamp = inlet.pull_sample(&value, 1, 30);
    arrivals.push_back(lsl::local_clock());
    stamps.push_back(stamp + correction);
  }
}

}  // namespace

int main() {
  setenv("LSLAPICFG", VOLLETA_LSLAPICFG, 1);
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("bench_lsl." + std::to_string(getpid()));
  fs::create_directories(folder);
  const std::string name = "VolletaBench" + std::to_string(getpid());
  platform::WriteFileBytes(folder / "lsl.txt", name + "\n");
  platform::SetProgramFolder(folder);
  Module1::NumPlayers = session::Value::FromField("4");
  Module1::TtlEnabled = false;

  boost::asio::io_context io;
  lsl_out::OpenOutletsForSession(io, {false, "bench"});

  // Catches: each write's stamp is the write's moment.
  std::vector<double> writes, arrivals, stamps;
  std::atomic<bool> ready{false};
  std::thread catches([&] { Receive(name, kSamples, ready, arrivals, stamps); });
  while (!ready) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  for (int k = 0; k < kSamples; ++k) {
    const double now = lsl_out::LocalClock();
    lsl_out::MarkCatch(static_cast<std::int16_t>(1 + k % 4), now);
    writes.push_back(now);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  catches.join();
  std::vector<double> latency;
  for (int k = 0; k < kSamples; ++k) latency.push_back((arrivals[k] - writes[k]) * 1000);

  // Onsets: reported a few milliseconds after the moment they stand for.
  std::vector<double> onset_lsl, onset_arrivals, onset_stamps;
  ready = false;
  std::thread onsets(
      [&] { Receive(name + "-onsets", kSamples, ready, onset_arrivals, onset_stamps); });
  while (!ready) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  for (int k = 0; k < kSamples; ++k) {
    const double program_ms = platform::PreciseMilliseconds();
    onset_lsl.push_back(lsl::local_clock());
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    lsl_out::MarkOnset(static_cast<std::int16_t>(1 + k % 4), program_ms);
  }
  onsets.join();
  std::vector<double> error;
  for (int k = 0; k < kSamples; ++k)
    error.push_back(std::abs(onset_stamps[k] - onset_lsl[k]) * 1000);

  lsl_out::CloseOutletsForSession();
  std::error_code ec;
  fs::remove_all(folder, ec);
  std::printf("lsl_push_latency_p50_ms %.3f\n", Percentile(latency, 0.5));
  std::printf("lsl_push_latency_p99_ms %.3f\n", Percentile(latency, 0.99));
  std::printf("lsl_onset_stamp_error_p99_ms %.3f\n", Percentile(error, 0.99));
  return 0;
}
