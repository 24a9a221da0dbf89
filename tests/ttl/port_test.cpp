// The port backends and their choice at start-up, against a fake parport tree
// and a recorded ioperm/outb: a lab machine's paths without the hardware.
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/program.hpp"
#include "session/module1.hpp"
#include "support/program_folder.hpp"
#include "support/scripted_dialogs.hpp"
#include "ttl/fttl.hpp"
#include "ttl/session_port.hpp"

namespace {

void ExpectContains(const std::string& text, std::initializer_list<std::string> parts) {
  for (const std::string& part : parts) {
    EXPECT_NE(text.find(part), std::string::npos) << "\"" << part << "\" missing in: " << text;
  }
}

class PortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("proc/parport0/base-addr", "632\t1656\n");
    folder_.Write("proc/parport1/base-addr", "888\t1912\n");
    folder_.Write("proc/parport2/base-addr", "garbled\n");
    folder_.Write("dev/parport1", "");
  }
  void TearDown() override {
    ttl::UnloadForm();
    ttl::ClosePortForSession();
  }

  // Start-up with TTL output on and ioperm failing with `ioperm_errno`:
  // "opened <port>", or the box shown as "<title>: <message>".
  std::string StartSession(std::int16_t address, const std::string& log, int ioperm_errno = 0,
                           const std::string& device = "") {
    ttl::UnloadForm();
    dialogs_.boxes.clear();
    Module1::TtlEnabled = true;
    Module1::TtlPort = address;
    Module1::TtlDevice = device;
    ttl::PortEnvironment env{proc_, dev_, {}};
    env.direct_io.ioperm = [this, ioperm_errno](unsigned long from, unsigned long count, int on) {
      requests_.push_back({from, count, static_cast<unsigned long>(on)});
      errno = ioperm_errno;
      return ioperm_errno == 0 ? 0 : -1;
    };
    env.direct_io.outb = [this](std::uint8_t v, std::uint16_t port) { outs_.push_back({port, v}); };
    try {
      ttl::OpenPortForSession(io_, log, "", env);
    } catch (const platform::ProgramEnd& end) {
      EXPECT_EQ(end.Status(), platform::kExitInputRefused);
      EXPECT_EQ(ttl::LoadedForm(), nullptr);
      if (dialogs_.boxes.size() != 1) return std::to_string(dialogs_.boxes.size()) + " boxes";
      return dialogs_.boxes[0].title + ": " + dialogs_.boxes[0].message;
    }
    EXPECT_TRUE(dialogs_.boxes.empty());
    EXPECT_NE(ttl::LoadedForm(), nullptr);
    return "opened " + ttl::CurrentPort()->Describe();
  }

  testing_support::TempProgramFolder folder_;
  testing_support::ScriptedDialogs dialogs_;
  boost::asio::io_context io_;
  const std::filesystem::path proc_ = folder_.Path() / "proc";
  const std::filesystem::path dev_ = folder_.Path() / "dev";
  std::vector<std::vector<unsigned long>> requests_;
  std::vector<std::pair<unsigned, unsigned>> outs_;
};

TEST_F(PortTest, PpdevPortIsFoundByTheFirstNumberOfItsBaseAddress) {
  EXPECT_EQ(ttl::FindParportDevice(888, proc_, dev_), dev_ / "parport1");
  EXPECT_EQ(ttl::FindParportDevice(1912, proc_, dev_), std::nullopt) << "the extended register";

  ExpectContains(ttl::DescribeMissingParport(956, proc_),
                 {"956 (0x3bc)", "parport0 at 632 (0x278)", "parport1 at 888 (0x378)",
                  "parport2 at an unknown address"});
  ExpectContains(ttl::DescribeMissingParport(888, folder_.Path() / "nothing"),
                 {"not loaded", "modprobe parport_pc ppdev"});
  ExpectContains(ttl::DescribeMissingParport(888, folder_.Path() / "log"), {"no ports"});
}

// The permission refusal is a real one: the device has mode 0 and, for root,
// is opened as the user nobody.
TEST_F(PortTest, PpdevOpenFailuresNameTheDeviceAndTheCure) {
  std::string error;
  EXPECT_EQ(ttl::PpdevPort::Open(dev_ / "parport0", 632, &error), nullptr);
  ExpectContains(error, {(dev_ / "parport0").string(), "modprobe ppdev"});

  const std::filesystem::path device = dev_ / "parport1";
  ASSERT_EQ(::chmod(device.c_str(), 0), 0);
  const bool root = ::geteuid() == 0;
  if (root) ::setfsuid(65534);
  EXPECT_EQ(ttl::PpdevPort::Open(device, 888, &error), nullptr);
  if (root) ::setfsuid(0);
  ExpectContains(error, {device.string(), "permission denied: add the user to the lp group"});
}

TEST_F(PortTest, PortLogComesFirstThenPpdevThenDirectIo) {
  const std::string log = (folder_.Path() / "ports.log").string();
  EXPECT_EQ(StartSession(888, log), "opened recording port " + log);
  EXPECT_EQ(StartSession(956, ""), "opened direct I/O at port 956");
  EXPECT_EQ(requests_, (std::vector<std::vector<unsigned long>>{{956, 1, 1}}));
  std::string error;
  EXPECT_TRUE(ttl::CurrentPort()->Outp(956, 20, &error));
  EXPECT_FALSE(ttl::CurrentPort()->Outp(957, 20, &error)) << "no access was granted there";
  EXPECT_EQ(outs_, (std::vector<std::pair<unsigned, unsigned>>{{956, 20}}));
}

// Before the game starts, naming the address, the backend tried and why.
TEST_F(PortTest, PortThatCannotBeOpenedEndsTheProgram) {
  const std::string log = (folder_.Path() / "no-such-folder" / "ports.log").string();
  ExpectContains(StartSession(888, log),
                 {"TTL Problem: ", "TTL port 888", log, "This will end the program."});
  ExpectContains(StartSession(888, ""), {"TTL port 888", "ppdev", "not a parallel port device"});
  EXPECT_TRUE(requests_.empty()) << "direct I/O must not bypass the driver's port";
  ExpectContains(StartSession(956, "", EPERM),
                 {"TTL port 956", "no parallel port has base address 956",
                  "Direct port I/O was tried", "root or the CAP_SYS_RAWIO"});
  ExpectContains(StartSession(956, "", ENOSYS), {"only on x86"});
  // A device line picks its backend whatever the address: ppdev for a parport.
  requests_.clear();
  ExpectContains(StartSession(956, "", 0, (dev_ / "parport1").string()),
                 {"TTL device " + (dev_ / "parport1").string() +
                      " (named in ttl.txt), parallel port driver (ppdev)",
                  "not a parallel port device"});
  ExpectContains(StartSession(888, "", 0, "com3@9600"), {"com3 names a serial port on Windows"});
  EXPECT_TRUE(requests_.empty()) << "direct I/O must not stand in for a named device";
}

TEST_F(PortTest, RecordingPortAppendsOneFlushedLinePerWrite) {
  folder_.Write("ports.log", "1.000 888 7\n");  // an earlier run
  auto port =
      ttl::RecordingPort::Open(folder_.Path() / "ports.log", nullptr, [] { return 4.5676; });
  ASSERT_TRUE(port && port->Outp(632, 255, nullptr));
  EXPECT_EQ(folder_.Read("ports.log"), "1.000 888 7\n4.568 632 255\n") << "readable at once";
}

}  // namespace
