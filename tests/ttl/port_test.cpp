// The port backends and their choice at start-up. ppdev and direct I/O run
// against a fake parport tree of plain files and a fake ioperm/outb, so the
// paths a lab machine takes are covered without the hardware.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/program.hpp"
#include "platform/text_file.hpp"
#include "session/module1.hpp"
#include "support/scripted_dialogs.hpp"
#include "ttl/direct_io_port.hpp"
#include "ttl/fttl.hpp"
#include "ttl/ppdev_port.hpp"
#include "ttl/recording_port.hpp"
#include "ttl/session_port.hpp"
#include "support/program_folder.hpp"
#include "ttl_fixture.hpp"

namespace {

using ScratchFolder = testing_support::TempProgramFolder;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A machine with two parallel ports, as the kernel lists them.
struct FakeMachine {
  FakeMachine() {
    folder.Write("proc/parport0/base-addr", "632\t1656\n");
    folder.Write("proc/parport1/base-addr", "888\t1912\n");
    folder.Write("proc/parport2/base-addr", "garbled\n");
    folder.Write("proc/default/timeslice", "200\n");
    folder.Write("dev/parport1", "");
    std::filesystem::create_directories(folder.Path() / "dev");
  }
  std::filesystem::path Proc() const { return folder.Path() / "proc"; }
  std::filesystem::path Dev() const { return folder.Path() / "dev"; }
  ScratchFolder folder;
};

TEST(Ppdev, PortIsFoundByTheFirstNumberOfItsBaseAddress) {
  FakeMachine m;
  EXPECT_EQ(ttl::FindParportDevice(888, m.Proc(), m.Dev()), m.Dev() / "parport1");
  EXPECT_EQ(ttl::FindParportDevice(632, m.Proc(), m.Dev()), m.Dev() / "parport0");
  EXPECT_EQ(ttl::FindParportDevice(1912, m.Proc(), m.Dev()), std::nullopt)
      << "the second number is the extended register, not the port";
  EXPECT_EQ(ttl::FindParportDevice(956, m.Proc(), m.Dev()), std::nullopt);

  const auto ports = ttl::ListParports(m.Proc());
  ASSERT_EQ(ports.size(), 3u);
  EXPECT_EQ(ports[2].number, 2);
  EXPECT_FALSE(ports[2].base_address.has_value());
}

TEST(Ppdev, MissingPortIsExplained) {
  FakeMachine m;
  const std::string listed = ttl::DescribeMissingParport(956, m.Proc());
  EXPECT_TRUE(Contains(listed, "956 (0x3bc)")) << listed;
  EXPECT_TRUE(Contains(listed, "parport0 at 632 (0x278)")) << listed;
  EXPECT_TRUE(Contains(listed, "parport1 at 888 (0x378)")) << listed;

  const std::string no_driver = ttl::DescribeMissingParport(888, m.folder.Path() / "nothing");
  EXPECT_TRUE(Contains(no_driver, "not loaded")) << no_driver;
  EXPECT_TRUE(Contains(no_driver, "modprobe parport_pc ppdev")) << no_driver;

  std::filesystem::create_directories(m.folder.Path() / "empty");
  EXPECT_TRUE(Contains(ttl::DescribeMissingParport(888, m.folder.Path() / "empty"), "no ports"));
}

TEST(Ppdev, OpenFailuresNameTheDeviceAndTheCure) {
  FakeMachine m;
  std::string error;
  EXPECT_EQ(ttl::PpdevPort::Open(m.Dev() / "parport0", 632, &error), nullptr);
  EXPECT_TRUE(Contains(error, (m.Dev() / "parport0").string())) << error;
  EXPECT_TRUE(Contains(error, "modprobe ppdev")) << error;

  // A plain file opens but cannot be claimed.
  EXPECT_EQ(ttl::PpdevPort::Open(m.Dev() / "parport1", 888, &error), nullptr);
  EXPECT_TRUE(Contains(error, "not a parallel port device")) << error;
}

// open() refused for lack of permission, for real: as root, in a child that
// has dropped to an unprivileged user; otherwise on a file without access.
TEST(Ppdev, PermissionDeniedPointsToTheLpGroup) {
  FakeMachine m;
  const std::filesystem::path device = m.Dev() / "parport1";
  ASSERT_EQ(::chmod(device.c_str(), 0600), 0);
  ASSERT_EQ(::chmod(m.folder.Path().c_str(), 0755), 0);
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(device.c_str(), 0), 0);
  }

  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(pipe_fds[0]);
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    std::string error;
    const bool opened = ttl::PpdevPort::Open(device, 888, &error) != nullptr;
    const ssize_t written = ::write(pipe_fds[1], error.data(), error.size());
    ::_exit(opened || written < 0 ? 1 : 0);
  }
  ::close(pipe_fds[1]);
  std::string error;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) error.append(buffer, n);
  ::close(pipe_fds[0]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0) << "the device opened, or the child could not drop root";
  EXPECT_TRUE(Contains(error, "permission denied: add the user to the lp group")) << error;
  EXPECT_TRUE(Contains(error, device.string())) << error;
}

// ioperm and outb stand in for the hardware: tests never gain port access.
struct FakeDirectIo {
  ttl::DirectIoOps Ops(int ioperm_errno) {
    ttl::DirectIoOps ops;
    ops.ioperm = [this, ioperm_errno](unsigned long from, unsigned long count, int on) {
      requests.push_back({from, count, static_cast<unsigned long>(on)});
      if (ioperm_errno == 0) return 0;
      errno = ioperm_errno;
      return -1;
    };
    ops.outb = [this](std::uint8_t value, std::uint16_t port) {
      outs.push_back({port, value});
    };
    return ops;
  }
  std::vector<std::vector<unsigned long>> requests;
  std::vector<std::pair<unsigned, unsigned>> outs;
};

TEST(DirectIo, AccessIsAskedForTheOneAddressAndWritesGoThere) {
  FakeDirectIo io;
  std::string error;
  auto port = ttl::DirectIoPort::Open(888, io.Ops(0), &error);
  ASSERT_NE(port, nullptr) << error;
  EXPECT_EQ(io.requests, (std::vector<std::vector<unsigned long>>{{888, 1, 1}}));
  EXPECT_TRUE(port->Outp(888, 20, &error));
  EXPECT_FALSE(port->Outp(889, 20, &error)) << "no access was granted there";
  EXPECT_TRUE(Contains(error, "889")) << error;
  EXPECT_EQ(io.outs, (std::vector<std::pair<unsigned, unsigned>>{{888, 20}}));
}

TEST(DirectIo, RefusedAccessNamesTheCapability) {
  FakeDirectIo io;
  std::string error;
  EXPECT_EQ(ttl::DirectIoPort::Open(888, io.Ops(EPERM), &error), nullptr);
  EXPECT_TRUE(Contains(error, "888")) << error;
  EXPECT_TRUE(Contains(error, "root or the CAP_SYS_RAWIO")) << error;
  EXPECT_EQ(ttl::DirectIoPort::Open(888, io.Ops(ENOSYS), &error), nullptr);
  EXPECT_TRUE(Contains(error, "only on x86")) << error;
  EXPECT_TRUE(io.outs.empty());
}

class PortChoice : public ::testing::Test {
 protected:
  ttl::PortEnvironment Env(int ioperm_errno) {
    ttl::PortEnvironment env;
    env.proc_root = machine_.Proc();
    env.dev_root = machine_.Dev();
    env.direct_io = io_.Ops(ioperm_errno);
    return env;
  }
  FakeMachine machine_;
  FakeDirectIo io_;
};

TEST_F(PortChoice, PortLogWinsOverHardware) {
  const std::filesystem::path log = machine_.folder.Path() / "ports.log";
  ttl::OpenedPort opened = ttl::OpenPort(888, log.string(), Env(0));
  ASSERT_NE(opened.port, nullptr) << opened.problem;
  EXPECT_EQ(opened.port->Describe(), "recording port " + log.string());
  EXPECT_TRUE(io_.requests.empty());
}

TEST_F(PortChoice, ListedPortIsOpenedThroughPpdevOnly) {
  ttl::OpenedPort opened = ttl::OpenPort(888, "", Env(0));
  EXPECT_EQ(opened.port, nullptr) << "a plain file cannot be claimed";
  EXPECT_TRUE(Contains(opened.problem, "TTL port 888")) << opened.problem;
  EXPECT_TRUE(Contains(opened.problem, "ppdev")) << opened.problem;
  EXPECT_TRUE(Contains(opened.problem, "not a parallel port device")) << opened.problem;
  EXPECT_TRUE(io_.requests.empty()) << "direct I/O must not bypass the driver's port";
}

TEST_F(PortChoice, UnlistedPortFallsBackToDirectIo) {
  ttl::OpenedPort opened = ttl::OpenPort(956, "", Env(0));
  ASSERT_NE(opened.port, nullptr) << opened.problem;
  EXPECT_EQ(opened.port->Describe(), "direct I/O at port 956");

  opened = ttl::OpenPort(956, "", Env(EPERM));
  EXPECT_EQ(opened.port, nullptr);
  EXPECT_TRUE(Contains(opened.problem, "TTL port 956")) << opened.problem;
  EXPECT_TRUE(Contains(opened.problem, "no parallel port has base address 956")) << opened.problem;
  EXPECT_TRUE(Contains(opened.problem, "Direct port I/O was tried")) << opened.problem;
  EXPECT_TRUE(Contains(opened.problem, "CAP_SYS_RAWIO")) << opened.problem;
}

class SessionStart : public PortChoice {
 protected:
  void SetUp() override {
    Module1::ResetSession();
    Module1::TtlEnabled = true;
    Module1::TtlPort = 888;
  }
  void TearDown() override {
    ttl::UnloadForm();
    ttl::SetPort(nullptr);
    Module1::ResetSession();
  }
  testing_support::ScriptedDialogs dialogs_;
};

TEST_F(SessionStart, UnwritablePortEndsTheProgramWithATtlProblemBox) {
  int status = -1;
  try {
    ttl::OpenPortForSession("", Env(0));
  } catch (const platform::ProgramEnd& end) {
    status = end.Status();
  }
  EXPECT_EQ(status, platform::kExitInputRefused);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].title, "TTL Problem");
  const std::string& message = dialogs_.boxes[0].message;
  EXPECT_TRUE(Contains(message, "TTL port 888")) << message;
  EXPECT_TRUE(Contains(message, "ppdev")) << message;
  EXPECT_TRUE(Contains(message, "This will end the program.")) << message;
  EXPECT_EQ(ttl::LoadedForm(), nullptr);
}

TEST_F(SessionStart, UnwritablePortLogIsATtlProblemToo) {
  const std::filesystem::path log = machine_.folder.Path() / "no-such-folder" / "ports.log";
  EXPECT_THROW(ttl::OpenPortForSession(log.string(), Env(0)), platform::ProgramEnd);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_TRUE(Contains(dialogs_.boxes[0].message, log.string())) << dialogs_.boxes[0].message;
}

TEST_F(SessionStart, OpenedPortLoadsTheForm) {
  const std::filesystem::path log = machine_.folder.Path() / "ports.log";
  ttl::OpenPortForSession(log.string(), Env(0));
  EXPECT_TRUE(dialogs_.boxes.empty());
  ASSERT_NE(ttl::LoadedForm(), nullptr);
  ASSERT_NE(ttl::CurrentPort(), nullptr);
  EXPECT_EQ(ttl::CurrentPort()->Describe(), "recording port " + log.string());
}

TEST(RecordingPort, AppendsOneFlushedLinePerWrite) {
  ScratchFolder folder;
  folder.Write("ports.log", "1.000 888 7\n");  // an earlier run
  const std::filesystem::path log = folder.Path() / "ports.log";
  double now = 1234.5674;
  std::string error;
  auto port = ttl::RecordingPort::Open(log, &error, [&now] { return now; });
  ASSERT_NE(port, nullptr) << error;
  ASSERT_TRUE(port->Outp(888, 20, &error)) << error;
  // Readable at once, while the port is still open.
  EXPECT_EQ(*platform::ReadFileBytes(log), "1.000 888 7\n1234.567 888 20\n");
  now = 1239.5676;
  ASSERT_TRUE(port->Outp(632, 255, &error)) << error;
  EXPECT_EQ(*platform::ReadFileBytes(log), "1.000 888 7\n1234.567 888 20\n1239.568 632 255\n");
}

}  // namespace
