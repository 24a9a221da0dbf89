// Pulses as the game sends them, seen on the recording port with a fake clock.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/ttl_config.hpp"
#include "support/fake_loop.hpp"
#include "support/program_folder.hpp"
#include "ttl/fttl.hpp"
#include "ttl/session_port.hpp"

namespace {

using namespace Module1;

constexpr const char* kTtl = "1,10\r\n3,20\r\n5,30\r\n7,40\r\n888\r\n5\r\n";

class PulseTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ttl::UnloadForm();
    ttl::ClosePortForSession();
  }
  // Start-up as the program runs it: the reader decides, then the port opens.
  void Start(const std::string& ttl_txt) {
    folder_.Write("ttl.txt", ttl_txt);
    TtlEnabled = session::ReadTtlConfiguration(nullptr);
    ttl::PortEnvironment env;
    env.log_clock = [this] { return static_cast<double>(loop_.Now()); };
    ttl::OpenPortForSession(io_, (folder_.Path() / "ports.log").string(), "", env);
  }
  // What the game does once a receiver is recorded.
  void Catch(int receiver) {
    TtlValue = TtlCodes[receiver];
    if (fTTL* form = ttl::LoadedForm()) form->SendTTL(TtlPort, TtlValue, TtlDuration);
  }
  std::string Written() const { return folder_.Read("ports.log"); }

  testing_support::TempProgramFolder folder_;
  testing_support::FakeLoop loop_{1000};
  boost::asio::io_context io_;
};

// Each configuration with the pulse width a catch then gives (0: TTL off).
class Configuration : public PulseTest,
                      public ::testing::WithParamInterface<std::pair<std::string, int>> {};

TEST_P(Configuration, DecidesWhatACatchWrites) {
  const auto [ttl_txt, width] = GetParam();
  Start(ttl_txt);
  EXPECT_EQ(Written(), "") << "opening the port must not write it";
  Catch(2);
  if (width > 0) {
    loop_.Advance(width - 1);
    EXPECT_EQ(Written(), "1000.000 888 20\n") << "the code stays on for the whole duration";
  }
  loop_.RunUntilIdle();
  EXPECT_EQ(ttl::LoadedForm() != nullptr, width > 0);
  EXPECT_EQ(folder_.Exists("ports.log"), width > 0) << "no port log while TTL output is off";
  if (width > 0) {
    EXPECT_EQ(Written(), "1000.000 888 20\n" + std::to_string(1000 + width) + ".000 888 0\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ttl, Configuration,
    ::testing::Values(
        std::pair(kTtl, 5), std::pair("0,10,-5,20,300,30,7,40,888,5", 5),  // first numbers ignored
        std::pair("1,10,3,20,5,30,7,40,888,2.5", 2),                       // half to even
        std::pair("1,10,3,20,5,30,7,40,888,3.5", 4), std::pair("1,10,3,20,5,30,7,40,888,0.6", 1),
        // Off: a code, the port or the duration out of range, a field missing or no number.
        std::pair("1,0,3,20,5,30,7,40,888,5", 0), std::pair("1,10,3,20,5,256,7,40,888,5", 0),
        std::pair("1,10,3,20,5,30,7,40,0,5", 0), std::pair("1,10,3,20,5,30,7,40,10000,5", 0),
        std::pair("1,10,3,20,5,30,7,40,888,0", 0), std::pair("1,10,3,20,5,30,7,40,888,10000", 0),
        std::pair("1,10,3,20,5,30,7,40,888", 0), std::pair("1,10,3,x,5,30,7,40,888,5", 0)));

TEST_F(PulseTest, SecondPulseBeforeTheEndRunsItsFullDuration) {
  Start(kTtl);
  Catch(1);
  loop_.Advance(3);
  Catch(3);
  loop_.RunUntilIdle();
  EXPECT_EQ(Written(), "1000.000 888 10\n1003.000 888 30\n1008.000 888 0\n");
}

// /dev/full fails every write, as a port that vanished mid-session.
TEST_F(PulseTest, FailingWriteIsReportedOnceAndTheGameGoesOn) {
  Start(kTtl);
  auto full = ttl::RecordingPort::Open("/dev/full", nullptr);
  ttl::SetPort(std::move(full));
  testing::internal::CaptureStderr();
  Catch(1);
  Catch(2);
  loop_.RunUntilIdle();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("port 888"), std::string::npos) << err;
  EXPECT_NE(err.find("No space left on device"), std::string::npos) << err;
  EXPECT_EQ(err.find("TTL Problem"), err.rfind("TTL Problem")) << "reported once: " << err;
}

}  // namespace
