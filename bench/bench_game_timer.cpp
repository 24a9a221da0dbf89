// How late the game timer's ticks fire against their scheduled time: the
// program's own Timer on the Asio loop, with the page server on the same loop
// answering a page's requests between ticks, as in a game. Prints
// tick_lateness_p50_ms and tick_lateness_p99_ms.
#include <algorithm>
#include <boost/asio/io_context.hpp>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "browser/server.hpp"
#include "platform/event_loop.hpp"

namespace {

using Clock = std::chrono::steady_clock;

class NoEvents final : public browser::BrowserEvents {
 public:
  void Sink_BeforeNavigate2(const std::string&) override {}
  void Sink_OnQuit() override {}
};

double Quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  const auto index =
      static_cast<std::size_t>(std::ceil(q * static_cast<double>(values.size()))) - 1;
  return values[std::min(index, values.size() - 1)];
}

}  // namespace

int main() {
  constexpr int kTicks = 300;
  const std::filesystem::path html =
      std::filesystem::temp_directory_path() / "volleta-bench-timer-html";
  std::filesystem::create_directories(html);
  std::ofstream(html / "quindle.htm") << "<html><body>page</body></html>";

  boost::asio::io_context io;
  platform::AsioScheduler scheduler(io);
  platform::SetScheduler(&scheduler);
  NoEvents events;
  browser::Server server(io, events, html);

  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> delay(20, 60);
  std::vector<double> lateness;
  Clock::time_point due;
  int ticks = 0;
  platform::Timer* timer_ptr = nullptr;
  platform::Timer timer(
      [&] {
        const Clock::time_point fired = Clock::now();
        lateness.push_back(std::chrono::duration<double, std::milli>(fired - due).count());
        // A throw's work on the loop: a navigation pushed to the pages.
        server.Navigate2(html / "quindle.htm");
        if (++ticks == kTicks) {
          timer_ptr->SetEnabled(false);
          io.stop();
          return;
        }
        const std::uint32_t next = delay(random);
        timer_ptr->SetInterval(next);
        // The timer re-arms as the tick returns.
        due = Clock::now() + std::chrono::milliseconds(next);
      },
      40);
  timer_ptr = &timer;
  due = Clock::now() + std::chrono::milliseconds(40);
  timer.SetEnabled(true);
  io.run();
  platform::SetScheduler(nullptr);
  std::filesystem::remove_all(html);

  std::printf("tick_lateness_p50_ms %.3f\n", Quantile(lateness, 0.5));
  std::printf("tick_lateness_p99_ms %.3f\n", Quantile(lateness, 0.99));
  return 0;
}
