#include "lsl/outlets.hpp"

#include <array>
#include <chrono>
#include <exception>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>

#include <boost/asio/ip/host_name.hpp>
#include <boost/asio/steady_timer.hpp>

#include "lsl/lsl_file.hpp"
#include "platform/clock.hpp"
#include "platform/file_io.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/refuse.hpp"

#if VOLLETA_LSL
#include <lsl_cpp.h>
#endif

namespace lsl_out {
namespace {

namespace fs = std::filesystem;

void Say(const std::string& text) { std::cerr << "[volleta] LSL: " << text << std::endl; }

std::string MachineName() {
  boost::system::error_code ec;
  const std::string name = boost::asio::ip::host_name(ec);
  return ec ? std::string("unknown machine") : name;
}

fs::path LslFilePath() { return platform::ProgramFolder() / "lsl.txt"; }

// lsl.txt, when it is there; a faulty one is refused.
std::optional<LslFile> ReadLslFile() {
  const fs::path path = LslFilePath();
  std::error_code ec;
  if (!fs::exists(path, ec)) return std::nullopt;
  const std::string file = "The LSL file \"" + path.string() + "\"";
  const std::string help = "  See readme.htm for help.  " + std::string(session::kEndsProgram);
  std::string reason;
  std::optional<std::string> bytes = platform::ReadFileBytes(path, &reason);
  if (!bytes) session::Refuse(kLslProblem, file + " could not be read (" + reason + ")." + help);
  const std::string text = session::PlainText(kLslProblem, file, std::move(*bytes));
  fs::path folder = fs::weakly_canonical(platform::ProgramFolder(), ec);
  if (ec) folder = platform::ProgramFolder();
  LslFault fault;
  std::optional<LslFile> parsed = ParseLslFile(text, folder, MachineName(), &fault);
  if (!parsed) {
    session::Refuse(kLslProblem, file + ", line " + std::to_string(fault.line) + ": " +
                                     fault.reason + "." + help);
  }
  return parsed;
}

struct StreamNames {
  std::string markers, onsets, source_id;
};

StreamNames NamesFor(const LslFile& file, bool pilot) {
  const std::string base = pilot ? file.name + "-pilot" : file.name;
  return {base, base + "-onsets", pilot ? file.source_id + "-pilot" : file.source_id};
}

#if VOLLETA_LSL

// The value a catch by `receiver` is marked with.
std::int32_t ValueFor(bool ttl_codes, std::int16_t receiver) {
  return ttl_codes ? Module1::TtlCodes[static_cast<std::size_t>(receiver)] : receiver;
}

// The program's clock (PreciseMilliseconds) against lsl_local_clock: several
// pairs of readings, the tightest taken. On Linux both are the monotonic clock
// and the offset is 0; elsewhere they can drift apart, so it is taken again
// every minute, which keeps the drift far below 0.1 ms per hour.
double LslMinusProgramSeconds() {
  double tightest = std::numeric_limits<double>::infinity(), offset = 0;
  for (int k = 0; k < 9; ++k) {
    const double before = platform::PreciseMilliseconds();
    const double lsl_now = lsl::local_clock();
    const double after = platform::PreciseMilliseconds();
    if (after - before < tightest) {
      tightest = after - before;
      offset = lsl_now - (before + after) / 2000.0;
    }
  }
  return offset;
}

lsl::stream_info Describe(const std::string& name, const std::string& source_id, bool onsets,
                          bool ttl_codes, const SessionFacts& facts) {
  using namespace Module1;
  lsl::stream_info info(name, "Markers", 1, lsl::IRREGULAR_RATE, lsl::cf_int32, source_id);
  lsl::xml_element desc = info.desc();
  desc.append_child("channels")
      .append_child("channel")
      .append_child_value("label", onsets ? "ThrowOnset" : "Catch")
      .append_child_value("type", "Markers");
  desc.append_child_value(
      "stamps", onsets ? "the moment the page presented the picture of the throw to the receiver "
                         "(onset.csv's onset), on the LSL clock"
                       : "the moment the receiver caught the ball (time.csv's stamp), on the "
                         "LSL clock");
  desc.append_child_value("values", ttl_codes ? "ttl-codes" : "player-numbers");
  lsl::xml_element codes = desc.append_child("codes");
  const int players = NumPlayers == 3 ? 3 : 4;
  for (std::int16_t p = 1; p <= players; ++p) {
    lsl::xml_element code = codes.append_child("code");
    code.append_child_value("value", std::to_string(ValueFor(ttl_codes, p)));
    code.append_child_value("player", std::to_string(p));
    code.append_child_value("meaning", (onsets ? "a throw to Player " : "Player ") +
                                           std::to_string(p) +
                                           (p == 2 ? " (the participant)" : "") +
                                           (onsets ? " is shown" : " caught the ball"));
  }
  desc.append_child_value("study", platform::ProgramFolder().string());
  desc.append_child_value("settings", SettingsFile);
  desc.append_child_value("condition", ScheduleFile);
  desc.append_child_value("subject", SubjectId);
  desc.append_child_value("pilot", facts.pilot ? "true" : "false");
  desc.append_child_value("display", facts.display);
  desc.append_child_value("program", "Volleta");
  desc.append_child_value("version", VOLLETA_VERSION);
  return info;
}

class Outlets {
 public:
  Outlets(boost::asio::io_context* io, const StreamNames& names, bool ttl_codes,
          const SessionFacts& facts)
      : names_(names),
        ttl_codes_(ttl_codes),
        markers_(Describe(names.markers, names.source_id, false, ttl_codes, facts)),
        onsets_(Describe(names.onsets, names.source_id + "-onsets", true, ttl_codes, facts)),
        offset_s_(LslMinusProgramSeconds()) {
    if (io != nullptr) {
      timer_.emplace(*io);
      Watch();
    }
  }

  static double Now() { return lsl::local_clock(); }

  void Catch(std::int16_t receiver, double stamp) {
    const std::int32_t value = ValueFor(ttl_codes_, receiver);
    markers_.push_sample(&value, stamp);
  }

  void Onset(std::int16_t receiver, double program_ms) {
    const std::int32_t value = ValueFor(ttl_codes_, receiver);
    onsets_.push_sample(&value, program_ms / 1000.0 + offset_s_);
  }

 private:
  static constexpr auto kWatchPeriod = std::chrono::milliseconds(500);
  static constexpr int kTicksPerClockReading = 120;  // a minute

  // Says when a recorder starts or stops receiving a stream, and keeps the
  // clock offset fresh.
  void Watch() {
    for (auto [outlet, name, had] : {std::tuple{&markers_, &names_.markers, &had_[0]},
                                     std::tuple{&onsets_, &names_.onsets, &had_[1]}}) {
      const bool has = outlet->have_consumers();
      if (has != *had)
        Say((has ? "a recorder is receiving \"" : "no recorder is receiving \"") + *name + "\"");
      *had = has;
    }
    if (++ticks_ % kTicksPerClockReading == 0) offset_s_ = LslMinusProgramSeconds();
    timer_->expires_after(kWatchPeriod);
    timer_->async_wait([this](const boost::system::error_code& ec) {
      if (!ec) Watch();
    });
  }

  StreamNames names_;
  bool ttl_codes_;
  lsl::stream_outlet markers_;
  lsl::stream_outlet onsets_;
  double offset_s_;
  std::optional<boost::asio::steady_timer> timer_;
  std::array<bool, 2> had_{};
  long ticks_ = 0;
};

#else  // LSL left out of this build

class Outlets {
 public:
  Outlets(boost::asio::io_context*, const StreamNames&, bool, const SessionFacts&) {
    throw std::runtime_error("this build of Volleta has no Lab Streaming Layer output");
  }
  static double Now() { return 0; }
  void Catch(std::int16_t, double) {}
  void Onset(std::int16_t, double) {}
};

#endif

std::unique_ptr<Outlets> g_outlets;
std::string g_description = "off";

}  // namespace

void OpenOutletsForSession(boost::asio::io_context& io, const SessionFacts& facts) {
  g_outlets.reset();
  g_description = "off";
  const std::optional<LslFile> file = ReadLslFile();
  if (!file) return;
  const StreamNames names = NamesFor(*file, facts.pilot);
  try {
    g_outlets = std::make_unique<Outlets>(&io, names, Module1::TtlEnabled, facts);
  } catch (const std::exception& e) {
    session::Refuse(kLslProblem, "The LSL streams \"" + names.markers + "\" and \"" + names.onsets +
                                     "\" asked for by \"" + LslFilePath().string() +
                                     "\" could not be created: " + e.what() + ".  " +
                                     session::kEndsProgram);
  }
  Say("publishing \"" + names.markers + "\" and \"" + names.onsets + "\"");
  g_description = "streams \"" + names.markers + "\" and \"" + names.onsets + "\" (values " +
                  (Module1::TtlEnabled ? "TTL codes" : "player numbers") + ")";
}

const std::string& OutletsDescription() { return g_description; }

void CloseOutletsForSession() { g_outlets.reset(); }

double LocalClock() { return g_outlets ? Outlets::Now() : 0; }

void MarkCatch(std::int16_t receiver, double stamp) {
  if (g_outlets && receiver >= 1 && receiver <= 4) g_outlets->Catch(receiver, stamp);
}

void MarkOnset(std::int16_t receiver, double program_ms) {
  if (g_outlets && receiver >= 1 && receiver <= 4) g_outlets->Onset(receiver, program_ms);
}

std::string CheckOutletsForSession(const SessionFacts& facts) {
#if !VOLLETA_LSL
  (void)facts;
  // Without lsl.txt, the same line as a build with LSL: --check reads alike on both systems.
  std::error_code ec;
  if (!fs::exists(LslFilePath(), ec)) return "LSL output: off (no lsl.txt)\n";
  return "LSL output: not part of this build (the Windows build leaves it out), but lsl.txt asks "
         "for it: a session stops at start-up\n";
#else
  const std::optional<LslFile> file = ReadLslFile();
  if (!file) return "LSL output: off (no lsl.txt)\n";
  const StreamNames names = NamesFor(*file, facts.pilot);
  std::string line = "LSL output: on, streams \"" + names.markers + "\" and \"" + names.onsets +
                     "\" (source ID " + names.source_id + ", values " +
                     (Module1::TtlEnabled ? "TTL codes" : "player numbers") + "): ";
  try {
    Outlets outlets(nullptr, names, Module1::TtlEnabled, facts);
    line += "outlets created";
  } catch (const std::exception& e) {
    line += std::string("the outlets could not be created: ") + e.what();
  }
  return line + "\n";
#endif
}

}  // namespace lsl_out
