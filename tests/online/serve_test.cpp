// The real program's serve command on the loopback: the link's refusals, the
// record and console lines they give, a game process that fails, the stop.
#include <gtest/gtest.h>
#include <signal.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>
#include <filesystem>
#include <fstream>
#include <string>

#include "datalog/log_schema.hpp"
#include "datalog/session_record.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

namespace fs = std::filesystem;
namespace asio = boost::asio;
const fs::path kShipped = fs::path(VOLLETA_SOURCE_DIR) / "experiment";

// Sends `request` as it is and returns everything answered until the close.
std::string Exchange(int port, const std::string& request) {
  asio::io_context io;
  asio::ip::tcp::socket socket(io);
  socket.connect({asio::ip::address_v4::loopback(), static_cast<unsigned short>(port)});
  asio::write(socket, asio::buffer(request));
  std::string answer;
  boost::system::error_code ec;
  asio::read(socket, asio::dynamic_buffer(answer), ec);
  return answer;
}

std::string Get(int port, const std::string& target) {
  return Exchange(port, "GET " + target + " HTTP/1.1\r\nHost: study.test\r\n\r\n");
}

class Serve : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* sub : {"settings", "schedules", "html"}) {
      fs::copy(kShipped / sub, folder_.Path() / sub, fs::copy_options::recursive);
    }
  }
  // Starts serve with `extra` options; returns the port it listens on.
  int Start(std::vector<std::string> extra) {
    std::vector<std::string> args = {"serve", "--folder", folder_.Path().string(), "--listen",
                                     "127.0.0.1:0"};
    args.insert(args.end(), extra.begin(), extra.end());
    serve_.emplace(args, "");
    while (const auto line = serve_->OutLine()) {
      const std::string listening = "Listening on http://127.0.0.1:";
      if (line->starts_with(listening)) return std::stoi(line->substr(listening.size()));
    }
    ADD_FAILURE() << serve_->Err();
    return 0;
  }
  // The next console line after the link's lines, its time cut off.
  std::string Event() {
    const auto line = serve_->OutLine();
    if (!line) return "(none)";
    const std::size_t space = line->find(' ');
    return space == std::string::npos ? *line : line->substr(space + 1);
  }
  std::vector<std::vector<std::string>> Record() const {
    std::vector<std::vector<std::string>> rows;
    for (const auto& r : datalog::ParseCsv(folder_.Read("log/sessions.csv"))) {
      rows.push_back(r.fields);
    }
    return rows;
  }

  testing_support::TempProgramFolder folder_;
  std::optional<testing_support::RunningVolleta> serve_;
};

TEST_F(Serve, RefusesBadLinksAndRecordsWhatItRefused) {
  folder_.Write("html/already.htm", "<p>Thank you, you took part already.</p>");
  folder_.Write("log/sessions.csv",
                datalog::SessionHeader() + "0.2.0,t,t,a.txt,P9,,,,,,,,,started,,,online,\r\n");
  const int port = Start({"--conditions", "3pl - include subject.txt"});
  ASSERT_GT(port, 0);
  EXPECT_TRUE(Get(port, "/?PROLIFIC_PID=a%0Db").starts_with("HTTP/1.1 400"));
  EXPECT_EQ(Event(), "refused: bad ID");
  EXPECT_TRUE(
      Get(port, "/0123456789abcdef0123456789abcdef/html/start.htm").starts_with("HTTP/1.1 404"));
  EXPECT_TRUE(Get(port, "/?PROLIFIC_PID=P1&condition=x.txt").starts_with("HTTP/1.1 400"));
  // An oversized head is answered and closed; nothing reaches a game.
  EXPECT_TRUE(Exchange(port, "GET /?id=1 HTTP/1.1\r\nX: " + std::string(9000, 'a') + "\r\n\r\n")
                  .starts_with("HTTP/1.1 431"));
  const std::string already = Get(port, "/?workerId=P9&hitId=h");
  EXPECT_TRUE(already.starts_with("HTTP/1.1 200")) << already;
  EXPECT_NE(already.find("you took part already"), std::string::npos);
  EXPECT_EQ(Event(), "ID \"P9\": refused: already started");

  serve_->Signal(SIGTERM);
  EXPECT_EQ(Event(), "stopping: no game running");
  EXPECT_EQ(serve_->Wait(), 0);
  const auto rows = Record();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2][datalog::kOutcomeColumn], "refused: bad ID");
  EXPECT_EQ(rows[2][datalog::kSubjectColumn], "");
  EXPECT_EQ(rows[3][datalog::kSubjectColumn], "P9");
  EXPECT_EQ(rows[3][datalog::kLinkColumn], "hitId=h");
  // The events name no address: the peers' was 127.0.0.1.
  const std::string& out = serve_->Out();
  EXPECT_EQ(out.find("127.0.0.1", out.find('\n', out.find("Listening on"))), std::string::npos)
      << out;
}

// The process of the game `subject` in `folder`, found by its command line.
pid_t GameProcess(const fs::path& folder, const std::string& subject) {
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::string cmdline;
    std::getline(std::ifstream(entry.path() / "cmdline"), cmdline, '\n');
    if (cmdline.find("--folder=" + folder.string() + '\0') != std::string::npos &&
        cmdline.find(std::string("--subject=") + subject + '\0') != std::string::npos) {
      return std::stoi(entry.path().filename().string());
    }
  }
  return -1;
}

TEST_F(Serve, AGameProcessKilledEndsOnlyItsGameAndAStopTurnsNewcomersAway) {
  const int port = Start({"--conditions", "3pl - include subject.txt"});
  ASSERT_GT(port, 0);
  for (const char* id : {"K", "L"}) {
    const std::string started = Get(port, std::string("/?id=") + id);
    EXPECT_TRUE(started.starts_with("HTTP/1.1 303")) << started;
    EXPECT_NE(started.find("/html/start.htm"), std::string::npos) << started;
    EXPECT_EQ(Event(), std::string("ID \"") + id + "\": started (3pl - include subject.txt)");
  }
  const pid_t killed = GameProcess(folder_.Path(), "K");
  ASSERT_GT(killed, 0);
  ::kill(killed, SIGKILL);
  EXPECT_EQ(Event(), "ID \"K\": crashed (signal 9)");
  serve_->Signal(SIGINT);
  EXPECT_TRUE(Event().starts_with("stopping: 1 games running;"));
  EXPECT_TRUE(Get(port, "/?id=M").starts_with("HTTP/1.1 503"));
  // A second signal ends the games still running.
  serve_->Signal(SIGINT);
  const std::string ended = Event();
  // Asked to end, the game writes its own row: not played to its end.
  EXPECT_EQ(ended, "ID \"L\": abandoned at throw 0");
  EXPECT_EQ(serve_->Wait(), 0);
  std::vector<std::string> outcomes;
  for (const auto& row : Record()) outcomes.push_back(row[datalog::kOutcomeColumn]);
  EXPECT_EQ(outcomes, (std::vector<std::string>{"outcome", "started", "started", "crashed",
                                                "abandoned at throw 0"}));
}

TEST_F(Serve, RefusesToStartOnAFaultNamingTheFile) {
  folder_.Write("settings/broken.txt", "4\n");
  const auto run = testing_support::RunVolleta(
      {"serve", "--folder", folder_.Path().string(), "--listen", "127.0.0.1:0"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE((run.out + run.err).find("broken.txt"), std::string::npos) << run.out << run.err;
  EXPECT_FALSE(folder_.Exists("log/sessions.csv"));
}

}  // namespace
