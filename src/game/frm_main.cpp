#include "game/frm_main.hpp"

#include <cmath>

#include <exception>

#include "datalog/log_rows.hpp"
#include "game/catches.hpp"
#include "game/online_return.hpp"
#include "game/run_record.hpp"
#include "game/show.hpp"
#include "game/terminal.hpp"
#include "platform/clock.hpp"
#include "platform/dialogs.hpp"
#include "platform/file_io.hpp"
#include "platform/numbers.hpp"
#include "platform/program.hpp"
#include "platform/random.hpp"
#include "session/ball.hpp"
#include "session/module1.hpp"

namespace {

// The receiver of a computer player's next throw. A player who throws more
// often than his schedule line provides for (possible when the subject keeps
// choosing him) has nothing scheduled: 0, never a read past the schedule.
std::int16_t ScheduledReceiver(int thrower, int throw_number) {
  const auto& row = Module1::ThrowSchedule[thrower];
  if (throw_number < 0 || static_cast<std::size_t>(throw_number) >= row.size()) return 0;
  return row[throw_number];
}

// The delay before the next computer throw: DelayMin plus a random part below
// DelayRandom, in whole milliseconds.
std::uint32_t NextDelay() {
  const double random_part =
      std::floor(static_cast<double>(platform::Rnd()) * (Module1::DelayRandom.Number() * 1000.0));
  const double ms = platform::RoundHalfEven(Module1::DelayMin.Number() * 1000.0 + random_part);
  return ms <= 0 ? 0u : static_cast<std::uint32_t>(ms);
}

// Once the thank-you page may go on to the return URL, its leaving ends the
// game's process: a short grace covers only the step from the last game page.
constexpr std::chrono::milliseconds kReturnGrace{3000};

}  // namespace

frmMain::frmMain(boost::asio::io_context& io, StartOptions options)
    : Timer1([this] { Timer1_Timer(); }, 4000, false),
      Timer2([this] { Timer2_Timer(); }, 5000, false),
      Events(FormLink{Timer1, Timer2, GameStarted, GameOver, [this] { ThankYouShown(); },
                      [this] { StageTick(); },
                      [this](std::uint64_t stage, double at) { return StageTimed(stage, at); }}),
      io_(io),
      options_(std::move(options)) {}

frmMain::~frmMain() {
  // The window goes with the form; nothing may reach it afterwards.
  if (Module1::BrowserEvents == &Events) Module1::BrowserEvents = nullptr;
  if (window_ && Module1::Browser == window_.get()) Module1::Browser = nullptr;
  window_.reset();
}

void frmMain::Timer1_Timer() {
  using namespace Module1;
  stage_ = 0;  // a late answer for this tick is refused
  if (ThrowCount > TotalThrows) {
    Timer1.SetEnabled(false);
    if (GameOver) return;  // the rows are written once
    GameOver = true;
    game::ReportGameOver();
    WriteData();
    // Only now, with the rows written, may the participant be sent on.
    if (options_.online && !options_.online->return_url.empty()) ProvideReturn();
    BrowserEvents->Show(platform::ProgramFolder() / "html" / "thankyou.htm");
    return;
  }

  const int thrower = session::NextThrower(BallHolder);
  ThrowsMade[thrower] += 1;
  const std::int16_t receiver = ScheduledReceiver(thrower, ThrowsMade[thrower]);

  const std::uint64_t shown = game::ShowPage(page::PageKind::kComputerThrow, thrower, receiver);
  BallHolder = receiver;

  const bool counted = ThrowCount < TotalThrows;
  if (counted) {
    game::RecordCatch(ThrowCount + 1, receiver);
    game::RecordShown(ThrowCount + 1, shown);
  }
  game::ReportThrow(thrower, receiver, counted);

  Timer1.SetInterval(NextDelay());
  // The subject's throw restarts the timer. The extra throw shown after the
  // last logged one is different: the subject's answer to it is not taken, so
  // the timer keeps running and its next tick ends the game.
  if (receiver == 2 && counted) Timer1.SetEnabled(false);

  ThrowCount += 1;
  StageTick();
}

void frmMain::StageTick() {
  using namespace Module1;
  stage_ = 0;
  if (!options_.window.display.Stages() || GameOver || ThrowCount > TotalThrows ||
      BrowserEvents == nullptr || BrowserEvents->Sink == nullptr) {
    return;
  }
  if (!Timer1.Enabled()) {
    // The subject holds the ball: the pages of the throws the handler takes.
    if (BallHolder != 2) return;
    browser::Browser::Choices choices;
    for (int receiver : {1, 3, 4}) {
      if (receiver > NumPlayers.Number()) continue;
      std::optional<page::GamePage> page =
          page::ComposeStagedPage(page::PageKind::kSubjectThrow, 2, receiver);
      if (!page) return;
      choices.emplace_back("2to" + std::to_string(receiver) + ".htm", std::move(page->text));
    }
    BrowserEvents->Sink->StageChoices(platform::ProgramFolder() / "html" / "quindle.htm",
                                      std::move(choices));
    return;
  }
  // The tick's own choice, read ahead: the thrower and his next schedule entry.
  const int thrower = session::NextThrower(BallHolder);
  const std::int16_t receiver = ScheduledReceiver(thrower, ThrowsMade[thrower] + 1);
  std::optional<page::GamePage> page =
      page::ComposeStagedPage(page::PageKind::kComputerThrow, thrower, receiver);
  if (!page) return;  // the tick reports it
  stage_due_ = platform::PreciseMilliseconds() + Timer1.Interval() / platform::TimeScale();
  stage_ = BrowserEvents->Sink->Stage(page->file, std::move(page->text), stage_due_);
}

bool frmMain::StageTimed(std::uint64_t stage, double at) {
  if (stage == 0 || stage != stage_ || !Timer1.Enabled() || GameOver) return false;
  const double now = platform::PreciseMilliseconds();
  // A frame at or after the due time (the two clocks agree to a fraction of a
  // millisecond) and within two frames of it, still ahead: the tick moves onto
  // it. Anything else leaves, or puts, the tick at its due time.
  if (at < stage_due_ - kStageEarlyMs || at > stage_due_ + kStageReachMs || at <= now) {
    Timer1.FireIn(stage_due_ - now);
    return false;
  }
  Timer1.FireIn(at - now);
  return true;
}

void frmMain::Timer2_Timer() {
  Module1::BrowserEvents->Sink->Navigate2(platform::ProgramFolder() / "html" / "connected.htm");
  Timer2.SetEnabled(false);
}

void frmMain::ThankYouShown() {
  if (!options_.pilot) return;
  // On the loop's next turn, once this request's answer is on its way.
  platform::CurrentScheduler().CallAfter(0, [] { platform::EndProgram(platform::kExitOk); });
}

void frmMain::ProvideReturn() {
  const std::filesystem::path page = platform::ProgramFolder() / "html" / "thankyou.htm";
  const std::string bytes = platform::ReadFileBytes(page).value_or(
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body></body></html>\n");
  const std::string url =
      game::ReturnUrl(options_.online->return_url, Module1::SubjectId, options_.online->link);
  Module1::BrowserEvents->Sink->Provide(
      page, bytes + game::ReturnSnippet(url, options_.online->return_after));
  if (window_) window_->SetGoneGrace(kReturnGrace);
}

void frmMain::WriteData() {
  // A log problem must never end the session: it is reported, in one box, and
  // the game goes on to its thank-you page.
  std::string problem;
  try {
    game::RecordLastCatch();
    const std::vector<datalog::RowOutcome> outcomes = datalog::WriteGameRows(
        options_.log_folder.empty() ? datalog::StudyLogFolder() : options_.log_folder);
    for (const datalog::RowOutcome& outcome : outcomes) game::ReportLogRow(outcome);
    game::RecordGameRows(outcomes);
    problem = datalog::ProblemMessage(outcomes);
  } catch (const std::exception& e) {
    problem = std::string("Writing this game's log rows failed: ") + e.what();
    game::ReportProblem(problem);
  }
  if (problem.empty()) return;
  try {
    platform::CurrentDialogs().MsgBox(problem, "Log Problem");
  } catch (const std::exception&) {
  }
}
