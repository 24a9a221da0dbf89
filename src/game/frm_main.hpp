#pragma once
// The main form: the game timer, the connection timer, start-up and the logs. main() makes the one
// instance of a run; it owns the browser window and the window's event sink.
#include <boost/asio/io_context.hpp>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "browser/window.hpp"
#include "game/class1.hpp"
#include "platform/event_loop.hpp"

// A game a participant plays in a browser of their own, reached through a
// relay: nothing is asked, no marker is sent, and the window is only the
// address printed for the relay (window.no_browser, window.public_origin).
struct OnlineGame {
  std::string link;        // the study link's other parameters, a query string
  std::string return_url;  // where the thank-you page goes on to; empty: it stays
  int return_after = 5;    // seconds the thank-you page shows before it goes on
};

// How this run shows the experiment and where its TTL pulses go; set from the
// command line before Form_Load.
struct StartOptions {
  browser::WindowOptions window;
  std::string port_log;    // --port-log FILE: record the port's writes instead of touching hardware
  std::string ttl_device;  // --ttl-device DEVICE: the TTL output device instead of ttl.txt's
  // Started with a settings name: the window opens a second after start-up.
  bool delay_window = false;
  // One game of a pilot (window.participant plays it): no questions, no TTL
  // pulses unless port_log records them, and the program ends by itself once
  // the thank-you page has been asked for.
  bool pilot = false;
  // Where the game's rows go; empty: the study's log/ (a pilot's is log/pilot/).
  std::filesystem::path log_folder;
  std::optional<OnlineGame> online;
};

// How far from its due time, in real milliseconds, a staged tick may be moved
// onto the frame that shows it.
constexpr double kStageEarlyMs = 1.0;
constexpr double kStageReachMs = 40.0;

class frmMain {
 public:
  // Timer1 off (its stored 4000 ms is never used), Timer2 5000 ms, off.
  // `io` is the event loop the window's server runs on.
  frmMain(boost::asio::io_context& io, StartOptions options);
  ~frmMain();
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // Start-up: the session set-up, fTTL when TTL output is on, then the
  // browser window on the start page.
  void Form_Load();
  // The game timer's tick: one computer player's throw, or the end of the game.
  void Timer1_Timer();
  // The connection timer: sends the window to connected.htm, once.
  void Timer2_Timer();
  // Appends the game's rows to log/log.csv, log/time.csv and log/onset.csv.
  void WriteData();
  // With --display staged: the page Timer1's next tick will show, as it will
  // compose it, sent ahead to the window with the tick's due time; the thank-
  // you page is not. While the subject holds the ball, the pages of the
  // subject's throws the before-navigate handler takes, one per other player.
  // Writes no file, draws no random number, changes nothing.
  void StageTick();
  // The window can present the staged page at `at` on the precise clock:
  // Timer1 then ticks at that moment instead of its due time when it is a
  // frame at or after the due time and still ahead (true: the window may show
  // it then).
  bool StageTimed(std::uint64_t stage, double at);
  // The window asked for the thank-you page: a pilot game ends here.
  void ThankYouShown();
  // No browser was launched: the start page's address was printed instead.
  bool AddressOnly() const { return window_ && window_->AddressOnly(); }

  platform::Timer Timer1;
  platform::Timer Timer2;
  // Set at the game start and at its end; neither is ever cleared in a run.
  bool GameStarted = false;
  bool GameOver = false;
  // The window's event sink; Module1::BrowserEvents points here once the
  // window is open.
  Class1 Events;

 private:
  void WaitBeforeWindow();
  // An online game with a return URL: the thank-you page, with its Continue
  // link and the timed move on, provided in place of the file's own bytes.
  void ProvideReturn();

  boost::asio::io_context& io_;
  StartOptions options_;
  std::uint64_t stage_ = 0;  // what is staged for Timer1's next tick; 0: nothing
  double stage_due_ = 0;     // that tick's due time, on the precise clock
  std::unique_ptr<browser::Window> window_;
};
