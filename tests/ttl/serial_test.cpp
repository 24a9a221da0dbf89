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

#include <algorithm>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <utility>

#include "datalog/log_schema.hpp"
#include "datalog/session_record.hpp"
#include "session/module1.hpp"
#include "session/ttl_config.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"
#include "ttl/serial_port.hpp"

namespace {

namespace http = boost::beast::http;
using testing_support::RunVolleta;

void ExpectContains(const std::string& text, std::initializer_list<std::string> parts) {
  for (const std::string& part : parts) {
    EXPECT_NE(text.find(part), std::string::npos) << "\"" << part << "\" missing in: " << text;
  }
}

// A pseudo-terminal pair; `device` is the end the program opens. The test
// keeps its own slave open, so the pair outlives the program.
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
    for (int fd : {master, slave}) ::close(fd);
  }
  // Reads into `received` until it holds `count` bytes (a minute without one
  // is a hang), then whatever else is there.
  void Await(std::size_t count = 0) {
    for (char buffer[256];;) {
      pollfd ready{master, POLLIN, 0};
      if (::poll(&ready, 1, received.size() < count ? 60000 : 0) <= 0) return;
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n <= 0) return;
      received.append(buffer, static_cast<std::size_t>(n));
    }
  }
  int master = -1, slave = -1;
  std::string device, received;
};

// What the browser window does when it opens `page`: a document request.
// A page request as the window makes it: the first claims the run and is
// given the cookie that every later one carries.
void Navigate(const std::string& start_url, const std::string& page, std::string& cookie) {
  std::smatch m;
  ASSERT_TRUE(std::regex_match(start_url, m, std::regex(R"(http://[\d.]+:(\d+)(/\w+/html/).*)")))
      << start_url;
  boost::asio::io_context io;
  boost::asio::ip::tcp::socket socket(io);
  socket.connect({boost::asio::ip::address_v4::loopback(),
                  static_cast<unsigned short>(std::stoi(m[1].str()))});
  http::request<http::empty_body> request{http::verb::get, m[2].str() + page, 11};
  request.set(http::field::host, "127.0.0.1:" + m[1].str());
  request.set("Sec-Fetch-Dest", "document");
  if (!cookie.empty()) request.set(http::field::cookie, cookie);
  http::write(socket, request);
  boost::beast::flat_buffer buffer;
  http::response<http::string_body> response;
  http::read(socket, buffer, response);
  EXPECT_EQ(response.result_int(), 303) << page << " shows the next page";
  const std::string set = response[http::field::set_cookie];
  if (!set.empty()) cookie = set.substr(0, set.find(';'));
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
  // `options` come before the others; with --port-log no pulse reaches the device.
  int PlayGame(
      const std::function<void()>& after_first_throw = [] {},
      std::vector<std::string> options = {}) {
    const bool to_device = options.empty();
    options.insert(options.end(), {"--no-browser", "short.txt"});
    testing_support::RunningVolleta run(Args(options), "S1\n");
    const std::string url = run.OutLine().value_or("");
    std::string cookie;
    Navigate(url, "connected.htm", cookie);
    int turn = 0, pulses = 0;
    for (std::optional<std::string> line;
         (line = run.ErrLine()) && line->find("game over") == std::string::npos;) {
      if (line->find("] throw ") == std::string::npos) continue;  // a logged catch: a pulse
      if (++pulses == 1) after_first_throw();
      if (line->find("to Player 2 (") == std::string::npos) continue;
      // A subject takes longer than a pulse: let every pulse end first, or the
      // new code would (rightly) cut one short.
      if (pty_.master >= 0 && to_device) pty_.Await(2 * pulses);
      Navigate(url, "2to" + std::string(1, "134"[turn++ % 3]) + ".htm", cookie);
    }
    run.Signal(SIGTERM);
    const int status = run.Wait();
    err_ = run.Err();
    return status;
  }
  // The code of each of the game's six receivers, then 0, from log/log.csv.
  std::string LoggedPulses() const {
    std::stringstream row(folder_.Read("log/log.csv"));
    std::string pulses;
    for (std::string field; std::getline(row, field, ',');) {
      pulses += {static_cast<char>(std::atoi(field.c_str()) * 10), '\0'};
    }
    return pulses.size() < 12 ? "" : pulses.substr(pulses.size() - 12);
  }

  // The session record's rows (its header checked and left out), each by column name.
  std::vector<std::map<std::string, std::string>> Records() const {
    const auto records = datalog::ParseCsv(folder_.Read("log/sessions.csv"));
    EXPECT_FALSE(records.empty());
    std::vector<std::map<std::string, std::string>> rows;
    for (const datalog::CsvRecord& record : records) {
      EXPECT_EQ(record.fields.size(), datalog::kSessionColumns.size()) << record.line;
      if (record.line == 1) {
        EXPECT_TRUE(std::ranges::equal(record.fields, datalog::kSessionColumns));
        continue;
      }
      std::map<std::string, std::string>& row = rows.emplace_back();
      for (std::size_t i = 0; i < record.fields.size() && i < datalog::kSessionColumns.size(); ++i)
        row[std::string(datalog::kSessionColumns[i])] = record.fields[i];
    }
    return rows;
  }

  Pty pty_;
  testing_support::TempProgramFolder folder_;
  std::string err_;
};

TEST_F(SerialTest, EveryLoggedCatchSendsItsCodeByteThenAZeroByte) {
  ASSERT_EQ(PlayGame(), 0) << err_;
  EXPECT_EQ(err_.find("TTL Problem"), std::string::npos) << err_;
  pty_.Await();
  // Every code the device took, the unlogged last catch's too.
  const std::string sent =
      std::to_string(std::ranges::count_if(pty_.received, [](char c) { return c != '\0'; }));
  // The subject's catch after the last logged one is sent, not logged.
  if (pty_.received.size() == 14) pty_.received.resize(12);
  EXPECT_EQ(pty_.received, LoggedPulses()) << "each byte as it is, in the log's order";

  const auto records = Records();
  ASSERT_EQ(records.size(), 1u);
  const std::string device = pty_.device + "@115200";
  EXPECT_EQ(records[0].at("ttl"), device);
  EXPECT_EQ(records[0].at("codes sent"), sent);
  EXPECT_EQ(records[0].at("ttl fault"), "");
  EXPECT_EQ(records[0].at("outcome"), "completed");
  EXPECT_EQ(records[0].at("subject ID"), "S1");
  EXPECT_EQ(records[0].at("settings file"), "short.txt");
  EXPECT_EQ(records[0].at("browser"), "none (--no-browser)");
  EXPECT_EQ(records[0].at("lsl"), "off");
  EXPECT_TRUE(
      std::regex_match(records[0].at("started"), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)")));
  EXPECT_LE(records[0].at("started"), records[0].at("ended"));
  ExpectContains(
      err_, {"run summary: completed",
             "rows: log.csv, time.csv, onset.csv appended in " + (folder_.Path() / "log").string(),
             "markers: " + sent + " TTL codes sent to " + device,
             "session record: " + (folder_.Path() / "log" / "sessions.csv").string()});
}

// A dry run records where its pulses went; a window closed before the game or
// mid-game leaves a record too, each under the one header.
TEST_F(SerialTest, EveryRunThatShowedTheStartPageLeavesARecord) {
  const std::string port_log = (folder_.Path() / "pulses.txt").string();
  ASSERT_EQ(PlayGame([] {}, {"--port-log", port_log}), 0) << err_;

  {
    testing_support::RunningVolleta run(Args({"--no-browser", "short.txt"}), "S2\n");
    ASSERT_TRUE(run.OutLine());
    run.Signal(SIGTERM);
    EXPECT_EQ(run.Wait(), 0) << run.Err();
  }
  int shown = 0;
  {
    testing_support::RunningVolleta run(Args({"--no-browser", "short.txt"}), "S3\n");
    std::string cookie;
    Navigate(run.OutLine().value_or(""), "connected.htm", cookie);
    for (std::optional<std::string> line; (line = run.ErrLine());) {
      if (line->find("] throw ") != std::string::npos) break;
    }
    run.Signal(SIGTERM);
    EXPECT_EQ(run.Wait(), 0) << run.Err();
    // Throws the window showed before it closed; the last of them names the record's.
    for (std::size_t at = 0; (at = run.Err().find("] throw ", at)) != std::string::npos; ++at)
      ++shown;
    ExpectContains(run.Err(), {"rows: none (the game did not finish)",
                               "TTL codes sent to " + pty_.device + "@115200"});
  }
  // Start-up refused before anything was shown: no record.
  EXPECT_EQ(RunVolleta(Args({"--no-browser", "no-such-settings.txt"}), "S4\n").status, 2);

  const auto records = Records();
  ASSERT_EQ(records.size(), 3u);
  std::ifstream recorded(port_log);
  int codes = 0;  // lines "ms address value"
  for (std::string line; std::getline(recorded, line);) codes += !line.ends_with(" 0");
  EXPECT_GE(codes, 6);
  EXPECT_EQ(records[0].at("ttl"), "dry run to " + port_log);
  EXPECT_EQ(records[0].at("codes sent"), std::to_string(codes));
  EXPECT_EQ(records[0].at("outcome"), "completed");
  EXPECT_EQ(records[0].at("lag max ms"), "") << "no window reported an onset";
  EXPECT_EQ(records[1].at("subject ID"), "S2");
  EXPECT_EQ(records[1].at("outcome"), "window closed before the game");
  EXPECT_EQ(records[2].at("outcome"), "window closed at throw " + std::to_string(shown));
  EXPECT_EQ(records[1].at("codes sent"), "0");
  EXPECT_EQ(records[2].at("ttl"), pty_.device + "@115200");
}

TEST_F(SerialTest, DeviceThatDisappearsMidGameIsReportedOnceAndTheLogsAreKept) {
  EXPECT_EQ(PlayGame([this] {
              pty_.Await(1);
              ::close(std::exchange(pty_.master, -1));  // unplugged
            }),
            0);
  EXPECT_NE(pty_.received[0], '\0') << "the first code came";
  ExpectContains(err_, {"TTL Problem: writing ", pty_.device + ": Input/output error",
                        "no further TTL pulses are sent"});
  EXPECT_EQ(err_.find("TTL Problem"), err_.rfind("TTL Problem")) << "reported once: " << err_;
  EXPECT_EQ(LoggedPulses().size(), 12u) << folder_.Read("log/log.csv");
  const auto records = Records();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].at("outcome"), "completed");
  // The count stops at the fault: the codes before it (all logged catches would be 6).
  const int sent = std::stoi(records[0].at("codes sent"));
  EXPECT_TRUE(sent >= 1 && sent < 6) << sent;
  ExpectContains(records[0].at("ttl fault"),
                 {"writing ", pty_.device + ": Input/output error", "no further TTL pulses"});
}

// --check opens the device and writes 0; --ttl-device overrides ttl.txt, and
// a device that can't be opened ends the program before anything is shown.
TEST_F(SerialTest, CheckReportsTheDeviceAndStartUpRefusesOneThatCannotBeOpened) {
  auto run = RunVolleta(Args({"--check", "short.txt"}));
  EXPECT_EQ(run.status, 0) << run.err;
  ExpectContains(run.out, {"TTL device: serial " + pty_.device +
                           " at 115200 baud (named in ttl.txt): opened; it took a 0 byte"});
  pty_.Await(1);
  EXPECT_EQ(pty_.received, std::string(1, '\0'));

  run = RunVolleta(Args({"--no-browser", "--ttl-device", "/dev/volleta-none@9600", "short.txt"}),
                   "S1\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "") << "no start page address: nothing was shown";
  ExpectContains(run.err, {"TTL Problem: ", "/dev/volleta-none@9600 (given with --ttl-device)",
                           "there is no such device: is it plugged in?"});

  run = RunVolleta(Args({"--check", "--port-log", (folder_.Path() / "p.log").string(),
                         "--ttl-device", "/dev/volleta-none", "short.txt"}));
  ExpectContains(run.out, {"TTL device: recording port "});  // the dry run wins

  run = RunVolleta(Args({"--check", "--ttl-device", "ttyUSB0", "short.txt"}));
  EXPECT_EQ(run.status, 2);
  ExpectContains(run.err, {"--ttl-device: \"ttyUSB0\" is not a device: give its full path"});
}

// A real refusal: the device has mode 0 and, for root, is opened as nobody.
TEST_F(SerialTest, PermissionRefusalNamesTheGroupToJoin) {
  struct stat info {};
  ASSERT_EQ(::chmod(pty_.device.c_str(), 0), 0);
  ASSERT_EQ(::stat(pty_.device.c_str(), &info), 0);
  const std::string group = info.st_gid != 0 ? ::getgrgid(info.st_gid)->gr_name : "dialout";
  boost::asio::io_context io;
  std::string error;
  if (::geteuid() == 0) ::setfsuid(65534);
  EXPECT_EQ(ttl::SerialPort::Open(io, pty_.device, 115200, nullptr, &error), nullptr);
  ::setfsuid(::geteuid());
  ExpectContains(error, {pty_.device, "permission denied: add the user to the group " + group +
                                          " (sudo usermod -aG " + group + " $USER)"});
}

// The device line: the first non-blank line after the one holding field 10.
TEST(TtlDeviceLine, IsReadAfterTheTenFieldsAndChecked) {
  testing_support::TempProgramFolder folder;
  std::string why;
  const auto read = [&](const std::string& text) {
    folder.Write("ttl.txt", text);
    return session::ReadTtlConfiguration(&why);
  };
  const std::string six = "1,10\r\n2,20\r\n3,30\r\n4,40\r\n888\r\n5\r\n";
  for (const auto& [text, device] : std::vector<std::pair<std::string, std::string>>{
           {six + "\r\n \r\n", ""},
           {six + "\r\n /dev/ttyUSB0@9600 \r\nnotes\r\n", "/dev/ttyUSB0@9600"},
           {"1,10,2,20,3,30,4,40,888,5\n/dev/parport1", "/dev/parport1"},
           {six + "/dev/odd@name/ttyACM0", "/dev/odd@name/ttyACM0"}}) {
    EXPECT_TRUE(read(text)) << why;
    EXPECT_EQ(Module1::TtlDevice, device);
  }
  for (const auto& [line, fault] : std::vector<std::pair<std::string, std::string>>{
           {"ttyACM0", "\"ttyACM0\" is not a device: give its full path"},
           {"/dev/parport0@9600", "\"/dev/parport0@9600\" is a parallel port, which takes no"}}) {
    EXPECT_FALSE(read(six + line));
    ExpectContains(why, {"ttl.txt's device line: " + fault});
  }
}

}  // namespace
