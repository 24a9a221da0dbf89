#include "game/class1.hpp"

#include "game/catches.hpp"
#include "game/run_record.hpp"
#include "game/show.hpp"
#include "game/terminal.hpp"
#include "platform/clock.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "ttl/fttl.hpp"

namespace {

// A keyword counts when it occurs anywhere in the URL but at its very first
// character. Case-sensitive.
bool Has(const std::string& url, const char* keyword) {
  const std::size_t pos = url.find(keyword);
  return pos != std::string::npos && pos > 0;
}

// Whether the URL is that of `page` (same file name; query and fragment aside).
bool IsPage(const std::string& url, const std::filesystem::path& page) {
  const std::string path = url.substr(0, url.find_first_of("?#"));
  return !page.empty() && path.ends_with("/" + page.filename().string());
}

}  // namespace

void Class1::Show(const std::filesystem::path& page) {
  Shown = page;
  Sink->Navigate2(page);
}

void Class1::KeepShown(const std::string& URL) {
  if (IsPage(URL, Shown)) return;  // a reload, or the game's own navigation
  Sink->Stop();
  Sink->Navigate2(Shown);
}

void Class1::Sink_BeforeNavigate2(const std::string& URL) {
  using namespace Module1;
  if (form_.GameOver) {
    KeepShown(URL);
    if (Has(URL, "thankyou")) form_.ThankYouShown();
    return;
  }
  // Mid-game only throws count. Back to the connection screen starts no second
  // game and takes no new StartTime: the game page stays.
  if (form_.GameStarted && (Has(URL, "connecting") || Has(URL, "connected") || !Has(URL, "2to"))) {
    KeepShown(URL);
    return;
  }
  if (Has(URL, "connecting")) {
    form_.Timer2.SetEnabled(true);
    game::ReportConnecting();
    return;
  }
  if (Has(URL, "connected")) {
    form_.GameStarted = true;
    form_.Timer2.SetEnabled(false);
    Sink->Stop();
    game::ShowPage(page::PageKind::kOpening, 2, 0);
    form_.Timer1.SetInterval(8000);
    form_.Timer1.SetEnabled(true);
    StartTime = platform::timeGetTime();
    game::ReportGameStart();
    form_.StageTick();
    return;
  }

  if (ThrowCount > TotalThrows) {
    if (Has(URL, "thankyou")) form_.ThankYouShown();
    return;
  }
  if (Has(URL, "2to")) {
    form_.Timer1.SetEnabled(true);
    Sink->Stop();
  }
  std::int16_t receiver = 0;
  if (Has(URL, "2to1")) {
    receiver = 1;
  } else if (Has(URL, "2to3")) {
    receiver = 3;
  } else if (Has(URL, "2to4")) {
    receiver = 4;
  } else {
    return;
  }

  game::RecordCatch(ThrowCount + 1, receiver);
  BallHolder = receiver;
  game::ReportThrow(2, receiver, ThrowCount < TotalThrows);
  game::RecordShown(ThrowCount + 1, game::ShowPage(page::PageKind::kSubjectThrow, 2, receiver));
  ThrowCount += 1;
  form_.StageTick();
}

void Class1::Sink_Presented(std::uint64_t navigation, double time) {
  game::RecordOnset(navigation, time);
}

bool Class1::Sink_StageTimed(std::uint64_t stage, double at) { return form_.StageTimed(stage, at); }

void Class1::Sink_PageFacts(const browser::PageFacts& facts) { game::RecordPageFacts(facts); }

void Class1::Sink_OnQuit() {
  if (Module1::TtlEnabled) ttl::UnloadForm();
  game::ReportWindowClosed();
  platform::EndProgram(platform::kExitOk);
}
