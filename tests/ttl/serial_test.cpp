// Serial TTL devices against a real pseudo-terminal pair: the program opens
// its device end as it would a USB trigger box; the test reads the other end.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>
#include <functional>
#include <regex>
#include <sstream>

#include "session/module1.hpp"
#include "session/ttl_config.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"
#include "support/running_program.hpp"
#include "ttl/serial_port.hpp"

namespace {

namespace http = boost::beast::http;
using testing_support::RunningVolleta;

void ExpectContains(const std::string& text, std::initializer_list<std::string> parts) {
  for (const std::string& part : parts) {
    EXPECT_NE(text.find(part), std::string::npos) << "\"" << part << "\" missing in: " << text;
  }
}

// A pseudo-terminal pair; `device` is the end the program opens.
struct Pty {
  Pty() {
    char name[256];
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) throw std::runtime_error("pty");
    device = name;
    // Not inherited by the program: closing the master here must unplug the device.
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  }
  ~Pty() {
    CloseMaster();
    ::close(slave);
  }
  void CloseMaster() {
    if (master >= 0) ::close(master);
    master = -1;
  }
  // Adds the bytes readable now to `received`, waiting (at most a minute,
  // against hangs) for at least one when `wait`.
  void Read(bool wait = false) {
    for (char buffer[256];; wait = false) {
      pollfd ready{master, POLLIN, 0};
      if (::poll(&ready, 1, wait ? 60000 : 0) <= 0) return;
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n <= 0) return;
      received.append(buffer, static_cast<std::size_t>(n));
    }
  }
  // Until `count` bytes have come in all (or a minute passes without one).
  void AwaitBytes(std::size_t count) {
    while (received.size() < count) {
      const std::size_t had = received.size();
      Read(true);
      if (received.size() == had) return;
    }
  }
  int master = -1, slave = -1;  // the test's own slave keeps the pair up after the program ends
  std::string device;
  std::string received;
};

// What a browser window does when it opens `page`: a document request.
int Navigate(const std::string& start_url, const std::string& page) {
  std::smatch m;
  const std::regex url(R"(http://127\.0\.0\.1:(\d+)(/\w+/html/)start\.htm)");
  if (!std::regex_match(start_url, m, url)) return -1;
  boost::asio::io_context io;
  boost::asio::ip::tcp::socket socket(io);
  socket.connect({boost::asio::ip::address_v4::loopback(),
                  static_cast<unsigned short>(std::stoi(m[1].str()))});
  http::request<http::empty_body> request{http::verb::get, m[2].str() + page, 11};
  request.set(http::field::host, "127.0.0.1:" + m[1].str());
  request.set("Sec-Fetch-Dest", "document");
  http::write(socket, request);
  boost::beast::flat_buffer buffer;
  http::response<http::string_body> response;
  http::read(socket, buffer, response);
  return response.result_int();
}

class SerialTest : public ::testing::Test {
 protected:
  SerialTest() {
    std::filesystem::copy(std::filesystem::path(VOLLETA_SOURCE_DIR) / "experiment" / "html",
                          folder_.Path() / "html", std::filesystem::copy_options::recursive);
    folder_.Write("settings/short.txt",
                  "Players,4\nThrows,6\nSchedule,short.txt\nStart,start.htm\nP1,Ann,none\n"
                  "P2,You,none\nP3,Bob,none\nP4,Cy,none\nDelays,0.1,0.2\nSpacers,0\n");
    folder_.Write("schedules/short.txt", "1, 234\r\n3, 214\r\n4, 231\r\n");
    folder_.Write("ttl.txt", "1,10\r\n2,20\r\n3,30\r\n4,40\r\n888\r\n5\r\n" + pty_.device + "\r\n");
  }
  std::vector<std::string> Args(std::vector<std::string> rest) const {
    rest.insert(rest.begin(), {"--folder", folder_.Path().string()});
    return rest;
  }

  // A whole game through the real program, the subject throwing to Players 1,
  // 3 and 4 in turn; `after_first_throw` runs once the first throw is reported.
  // Returns the exit status once the game is over and the window closed.
  int PlayGame(const std::function<void()>& after_first_throw = [] {}) {
    RunningVolleta run(Args({"--no-browser", "short.txt"}), "S1\n");
    const std::string url = run.OutLine().value_or("");
    EXPECT_EQ(Navigate(url, "connected.htm"), 303) << url << run.Err();
    int turn = 0, pulses = 0;
    for (std::optional<std::string> line;
         (line = run.ErrLine()) && line->find("game over") == std::string::npos;) {
      if (line->find("] throw 1 of") != std::string::npos) after_first_throw();
      if (line->find("] throw ") == std::string::npos) continue;  // a logged catch: a pulse
      ++pulses;
      if (line->find("to Player 2 (") != std::string::npos) {
        // A subject takes longer than a pulse: let every pulse end, or the new
        // code would (rightly) cut one short.
        if (pty_.master >= 0) pty_.AwaitBytes(2 * pulses);
        EXPECT_EQ(Navigate(url, "2to" + std::to_string("134"[turn++ % 3] - '0') + ".htm"), 303);
      }
    }
    run.Signal(SIGTERM);
    const int status = run.Wait();
    err_ = run.Err();
    return status;
  }
  // The receivers of the game's six throws, from log/log.csv.
  std::vector<int> LoggedReceivers() const {
    std::stringstream row(folder_.Read("log/log.csv"));
    std::vector<int> fields;
    for (std::string field; std::getline(row, field, ',');)
      fields.push_back(std::atoi(field.c_str()));
    if (fields.size() < 6) return {};
    return {fields.end() - 6, fields.end()};
  }

  Pty pty_;
  testing_support::TempProgramFolder folder_;
  std::string err_;
};

TEST_F(SerialTest, EveryLoggedCatchSendsItsCodeByteThenAZeroByte) {
  ASSERT_EQ(PlayGame(), 0) << err_;
  EXPECT_EQ(err_.find("TTL Problem"), std::string::npos) << err_;
  std::string expected;
  for (int receiver : LoggedReceivers()) expected += {static_cast<char>(receiver * 10), '\0'};
  ASSERT_EQ(expected.size(), 12u) << folder_.Read("log/log.csv");
  pty_.Read();
  std::string written = pty_.received;
  // The subject's catch after the last logged one is sent, not logged.
  if (written.size() == expected.size() + 2) written.resize(expected.size());
  EXPECT_EQ(written, expected) << "each byte is sent as it is, with no translation";
}

TEST_F(SerialTest, DeviceThatDisappearsMidGameIsReportedOnceAndTheLogsAreKept) {
  ASSERT_EQ(PlayGame([this] {
              pty_.Read(true);
              EXPECT_NE(pty_.received.substr(0, 1), std::string(1, '\0')) << "a code";
              pty_.CloseMaster();  // unplugged
            }),
            0)
      << err_;
  ExpectContains(err_, {"TTL Problem: writing ", pty_.device + ": Input/output error",
                        "no further TTL pulses are sent"});
  EXPECT_EQ(err_.find("TTL Problem"), err_.rfind("TTL Problem")) << "reported once: " << err_;
  EXPECT_EQ(LoggedReceivers().size(), 6u) << folder_.Read("log/log.csv");
}

// --check opens the device and writes 0; --ttl-device overrides ttl.txt, and
// a device that can't be opened ends the program before anything is shown.
TEST_F(SerialTest, CheckReportsTheDeviceAndStartUpRefusesOneThatCannotBeOpened) {
  auto run = testing_support::RunVolleta(Args({"--check", "short.txt"}));
  EXPECT_EQ(run.status, 0) << run.err;
  ExpectContains(run.out, {"TTL device: serial " + pty_.device +
                           " at 115200 baud (named in ttl.txt): opened; it took a 0 byte"});
  pty_.Read(true);
  EXPECT_EQ(pty_.received, std::string(1, '\0'));

  run = testing_support::RunVolleta(
      Args({"--no-browser", "--ttl-device", "/dev/volleta-none@9600", "short.txt"}), "S1\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "") << "no start page address: nothing was shown";
  ExpectContains(run.err,
                 {"TTL Problem: ", "/dev/volleta-none@9600 (given with --ttl-device)",
                  "there is no such device: is it plugged in?", "This will end the program."});

  // The dry run wins over both.
  run = testing_support::RunVolleta(
      Args({"--check", "--port-log", (folder_.Path() / "p.log").string(), "--ttl-device",
            "/dev/volleta-none", "short.txt"}));
  EXPECT_EQ(run.status, 0) << run.err;
  ExpectContains(run.out, {"TTL device: recording port "});

  run = testing_support::RunVolleta(Args({"--check", "--ttl-device", "ttyUSB0", "short.txt"}));
  EXPECT_EQ(run.status, 2);
  ExpectContains(run.err, {"--ttl-device: \"ttyUSB0\" is not a device: give its full path"});
}

// A real refusal: the device has mode 0 and, for root, is opened as nobody.
TEST_F(SerialTest, PermissionRefusalNamesTheGroupToJoin) {
  ASSERT_EQ(::chmod(pty_.device.c_str(), 0), 0);
  struct stat info {};
  ASSERT_EQ(::stat(pty_.device.c_str(), &info), 0);
  const group* owner = ::getgrgid(info.st_gid);
  const std::string group = owner != nullptr && info.st_gid != 0 ? owner->gr_name : "dialout";
  boost::asio::io_context io;
  std::string error;
  const bool root = ::geteuid() == 0;
  if (root) ::setfsuid(65534);
  EXPECT_EQ(ttl::SerialPort::Open(io, pty_.device, 115200, nullptr, &error), nullptr);
  if (root) ::setfsuid(0);
  ExpectContains(
      error, {"cannot open " + pty_.device, "permission denied: add the user to the group " +
                                                group + " (sudo usermod -aG " + group + " $USER)"});
}

// The device line: the first non-blank line after the one holding field 10.
TEST(TtlDeviceLine, IsReadAfterTheTenFieldsAndChecked) {
  testing_support::TempProgramFolder folder;
  const auto read = [&folder](const std::string& text) {
    folder.Write("ttl.txt", text);
    std::string why;
    const bool on = session::ReadTtlConfiguration(&why);
    return (on ? "on " + Module1::TtlDevice : "off: " + why.substr(why.find(": ") + 2));
  };
  const std::string six = "1,10\r\n2,20\r\n3,30\r\n4,40\r\n888\r\n5\r\n";
  EXPECT_EQ(read(six), "on ");
  EXPECT_EQ(read(six + "\r\n \r\n"), "on ");
  EXPECT_EQ(read(six + "\r\n /dev/ttyUSB0@9600 \r\nignored\r\n"), "on /dev/ttyUSB0@9600");
  EXPECT_EQ(read("1,10,2,20,3,30,4,40,888,5\n/dev/parport1\n"), "on /dev/parport1");
  EXPECT_EQ(read(six + "COM3"), "on COM3");
  EXPECT_EQ(read(six + "ttyACM0"),
            "off: the device line: \"ttyACM0\" is not a device: give its full path, such as "
            "/dev/ttyACM0, /dev/ttyUSB0@9600 or /dev/parport0");
  EXPECT_EQ(read(six + "/dev/ttyACM0@fast"),
            "off: the device line: the speed in \"/dev/ttyACM0@fast\" must be a whole number of "
            "baud, such as 9600 or 115200");
  EXPECT_EQ(
      read(six + "/dev/parport0@9600"),
      "off: the device line: \"/dev/parport0@9600\" is a parallel port, which takes no speed");

  const auto device = session::ParseTtlDevice("/dev/odd@name/ttyACM0", nullptr);
  ASSERT_TRUE(device) << "an @ before a / is part of the path";
  EXPECT_EQ(device->path, "/dev/odd@name/ttyACM0");
  EXPECT_EQ(device->speed, session::kDefaultSerialSpeed);
}

}  // namespace
