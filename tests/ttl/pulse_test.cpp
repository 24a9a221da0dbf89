// Pulses as the game sends them, seen on the recording port: fake clock for
// the timing rules, the real event loop once for the whole path.
#include <gtest/gtest.h>

#include <boost/asio/io_context.hpp>
#include <cmath>

#include "platform/event_loop.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/ttl_config.hpp"
#include "support/fake_loop.hpp"
#include "ttl/fttl.hpp"
#include "ttl/port.hpp"
#include "ttl/session_port.hpp"
#include "support/program_folder.hpp"
#include "ttl_fixture.hpp"

namespace {

using ttl_test::PortWrite;
using ttl_test::ReadPortLog;

constexpr const char* kExampleTtl = "1,10\r\n3,20\r\n5,30\r\n7,40\r\n888\r\n5\r\n";

class PulseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = folder_.Path() / "ports.log";
    env_.log_clock = [this] { return static_cast<double>(loop_.Now()); };
  }
  void TearDown() override {
    ttl::UnloadForm();
    ttl::SetPort(nullptr);
    Module1::ResetSession();
  }

  // Start-up as the program runs it: the reader decides, then the port opens.
  void StartWith(const std::string& ttl_txt) {
    folder_.Write("ttl.txt", ttl_txt);
    Module1::TtlEnabled = session::ReadTtlConfiguration(nullptr);
    ttl::OpenPortForSession(log_.string(), env_);
  }

  // What every caller does once a receiver is recorded.
  void Catch(int receiver) {
    using namespace Module1;
    if (!TtlEnabled) return;
    TtlValue = TtlCodes[receiver];
    if (fTTL* form = ttl::LoadedForm()) form->SendTTL(TtlPort, TtlValue, TtlDuration);
  }

  std::vector<PortWrite> Writes() { return ReadPortLog(log_); }

  testing_support::TempProgramFolder folder_;
  testing_support::FakeLoop loop_{1000};
  ttl::PortEnvironment env_;
  std::filesystem::path log_;
};

TEST_F(PulseTest, ThrowToSubjectPutsItsCodeOnThePortForTheDuration) {
  StartWith(kExampleTtl);
  ASSERT_NE(ttl::LoadedForm(), nullptr);
  EXPECT_TRUE(Writes().empty()) << "opening the port must not write it";

  Catch(2);
  loop_.Advance(4);
  ASSERT_EQ(Writes().size(), 1u) << "the code must stay on until the duration is over";
  loop_.RunUntilIdle();

  const auto w = Writes();
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0].address, 888u);
  EXPECT_EQ(w[0].value, 20u);
  EXPECT_DOUBLE_EQ(w[0].ms, 1000.0);
  EXPECT_EQ(w[1].address, 888u);
  EXPECT_EQ(w[1].value, 0u);
  EXPECT_DOUBLE_EQ(w[1].ms, 1005.0);
  EXPECT_FALSE(ttl::LoadedForm()->PortTimer->Enabled());

  // Every receiver gets its own code, and the thrower is never encoded.
  for (int receiver : {1, 3, 4}) {
    Catch(receiver);
    loop_.RunUntilIdle();
  }
  std::vector<unsigned> values;
  for (const PortWrite& write : Writes()) values.push_back(write.value);
  EXPECT_EQ(values, (std::vector<unsigned>{20, 0, 10, 0, 30, 0, 40, 0}));
}

TEST_F(PulseTest, InvalidConfigurationsNeverLoadTheFormOrWrite) {
  const char* const invalid[] = {
      "1,0\n3,20\n5,30\n7,40\n888\n5\n",      // code 0
      "1,10\n3,20\n5,256\n7,40\n888\n5\n",    // code 256
      "1,10\n3,20\n5,30\n7,40\n0\n5\n",       // port 0
      "1,10\n3,20\n5,30\n7,40\n10000\n5\n",   // port 10000
      "1,10\n3,20\n5,30\n7,40\n888\n0\n",     // duration 0
      "1,10\n3,20\n5,30\n7,40\n888\n10000\n", // duration 10000
      "1,10\n3,20\n5,30\n7,40\n888\n",        // ends before the duration
      "1,10\n3,x\n5,30\n7,40\n888\n5\n",      // a field that is no number
  };
  for (const char* text : invalid) {
    SCOPED_TRACE(text);
    Module1::ResetSession();
    std::filesystem::remove(log_);
    StartWith(text);
    EXPECT_FALSE(Module1::TtlEnabled);
    EXPECT_EQ(ttl::LoadedForm(), nullptr);
    for (int receiver = 1; receiver <= 4; ++receiver) Catch(receiver);
    loop_.RunUntilIdle();
    // TTL output off stays off with a port log: the file is not even created.
    EXPECT_FALSE(std::filesystem::exists(log_));
  }
}

TEST_F(PulseTest, FirstNumberOfEachPairHasNoEffect) {
  for (const char* first : {"7", "0", "300", "-5"}) {
    SCOPED_TRACE(first);
    Module1::ResetSession();
    ttl::UnloadForm();
    std::filesystem::remove(log_);
    StartWith(std::string(first) + ",10\n" + first + ",20\n" + first + ",30\n" + first +
              ",40\n888\n5\n");
    Catch(2);
    loop_.RunUntilIdle();
    const auto w = Writes();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].value, 20u);
  }
}

TEST_F(PulseTest, FractionalDurationRoundsHalfToEven) {
  struct Case {
    const char* duration;
    double width;
  };
  for (const Case c : {Case{"2.5", 2}, Case{"3.5", 4}, Case{"4.4", 4}, Case{"0.6", 1}}) {
    SCOPED_TRACE(c.duration);
    Module1::ResetSession();
    ttl::UnloadForm();
    std::filesystem::remove(log_);
    StartWith(std::string("1,10\n3,20\n5,30\n7,40\n888\n") + c.duration + "\n");
    ASSERT_TRUE(Module1::TtlEnabled);
    const double start = static_cast<double>(loop_.Now());
    Catch(1);
    EXPECT_EQ(ttl::LoadedForm()->PortTimer->Interval(), static_cast<std::uint32_t>(c.width));
    loop_.RunUntilIdle();
    const auto w = Writes();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_DOUBLE_EQ(w[1].ms - start, c.width);
  }
}

TEST_F(PulseTest, SecondPulseBeforeTheEndReplacesTheCodeAndRunsItsFullDuration) {
  StartWith(kExampleTtl);
  Catch(1);
  loop_.Advance(3);
  Catch(3);
  loop_.RunUntilIdle();
  const auto w = Writes();
  ASSERT_EQ(w.size(), 3u) << "one end of pulse only";
  EXPECT_EQ(w[0].value, 10u);
  EXPECT_EQ(w[1].value, 30u);
  EXPECT_DOUBLE_EQ(w[1].ms, 1003.0);
  EXPECT_EQ(w[2].value, 0u);
  EXPECT_DOUBLE_EQ(w[2].ms, 1008.0);
}

TEST_F(PulseTest, UnloadingMidPulseStopsTheTimerAndLeavesTheCode) {
  StartWith(kExampleTtl);
  Catch(4);
  loop_.Advance(2);
  ttl::UnloadForm();  // the browser was closed
  EXPECT_EQ(loop_.Pending(), 0u);
  loop_.Advance(100);
  const auto w = Writes();
  ASSERT_EQ(w.size(), 1u);
  EXPECT_EQ(w[0].value, 40u);
}

// A port that works until it is unplugged.
class UnpluggedPort final : public ttl::Port {
 public:
  explicit UnpluggedPort(int working_writes) : working_(working_writes) {}
  bool Outp(std::uint16_t, std::uint8_t value, std::string* error) override {
    ++attempts;
    if (attempts > working_) {
      *error = "No such device";
      return false;
    }
    values.push_back(value);
    return true;
  }
  std::string Describe() const override { return "unplugged"; }
  int attempts = 0;
  std::vector<unsigned> values;

 private:
  int working_;
};

TEST_F(PulseTest, FailingWriteIsReportedOnceAndTheGameGoesOn) {
  StartWith(kExampleTtl);
  UnpluggedPort port(3);
  ttl::SetPort(&port);

  testing::internal::CaptureStderr();
  for (int receiver : {1, 2, 3, 4, 1, 3}) {
    EXPECT_NO_THROW(Catch(receiver));
    loop_.RunUntilIdle();
  }
  const std::string err = testing::internal::GetCapturedStderr();

  EXPECT_EQ(port.values, (std::vector<unsigned>{10, 0, 20}));
  EXPECT_EQ(port.attempts, 4) << "no write after the first failure";
  EXPECT_NE(err.find("port 888"), std::string::npos) << err;
  EXPECT_NE(err.find("No such device"), std::string::npos) << err;
  EXPECT_EQ(err.find("TTL Problem"), err.rfind("TTL Problem")) << "reported once: " << err;
  EXPECT_EQ(loop_.Pending(), 0u);
  ttl::SetPort(nullptr);
}

// The whole path on the real event loop and clock: the pulse lasts at least
// its duration (generous upper bound: this is no timing benchmark).
TEST(PulseOnEventLoop, CodeStaysAtLeastTheDurationThenReturnsToZero) {
  testing_support::TempProgramFolder folder;
  boost::asio::io_context io;
  platform::AsioScheduler scheduler(io);
  platform::SetScheduler(&scheduler);

  std::string error;
  auto port = ttl::RecordingPort::Open(folder.Path() / "ports.log", &error);
  ASSERT_NE(port, nullptr) << error;
  ttl::SetPort(port.get());
  ttl::LoadForm();

  std::int16_t address = 888;
  std::int16_t code = 20;
  session::Value duration = session::Value::FromField("5");
  const double before = ttl::MillisecondsSinceProgramStart();
  ttl::LoadedForm()->SendTTL(address, code, duration);
  const double after = ttl::MillisecondsSinceProgramStart();
  io.run_for(std::chrono::seconds(5));
  ttl::UnloadForm();
  ttl::SetPort(nullptr);
  platform::SetScheduler(nullptr);

  const auto w = ReadPortLog(folder.Path() / "ports.log");
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0].value, 20u);
  EXPECT_EQ(w[1].value, 0u);
  EXPECT_GE(w[1].ms - w[0].ms, 5.0);
  EXPECT_LT(w[1].ms - w[0].ms, 1000.0);
  // Stamped with the program's own clock, to the microsecond.
  EXPECT_GE(w[0].ms, std::floor(before * 1000) / 1000);
  EXPECT_LE(w[0].ms, std::ceil(after * 1000) / 1000);
}

}  // namespace
