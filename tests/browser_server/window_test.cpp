// The window: the modes that launch nothing, the launched browser's life
// (a stand-in program at the process edge, and Debian's real Chromium), and
// the pause before it opens.
#include "browser/window.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "browser_server/http_client.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace {

using namespace browser_test;

// Sets or clears an environment variable for one test.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvVar() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class WindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<browser::Window> Make(const browser::WindowOptions& options) {
    return std::make_unique<browser::Window>(io, events, folder.Html(), options, out, err);
  }
  // A stand-in browser: a shell script that records its arguments.
  std::string FakeBrowser(const std::string& name, const std::string& body) {
    const fs::path path = folder.Root() / name;
    folder.Write(name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + (folder.Root() / "args.txt").string() +
                           "\"\n" + body + "\n");
    chmod(path.c_str(), 0755);
    return path.string();
  }
  // Opens an event stream as a page would; returns the connected socket.
  std::unique_ptr<tcp::socket> OpenStream(browser::Window& window) {
    auto socket = std::make_unique<tcp::socket>(client_io);
    socket->connect(tcp::endpoint(boost::asio::ip::make_address_v4("127.0.0.1"),
                                  window.GetServer().Port()));
    boost::asio::write(*socket, boost::asio::buffer(Request(
                                    window.GetServer().Port(),
                                    "/" + window.GetServer().Prefix() + "/events?seq=1", "empty")));
    return socket;
  }

  ProgramFolder folder;
  boost::asio::io_context io;
  boost::asio::io_context client_io;
  RecordingEvents events;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(WindowTest, NoBrowserPrintsTheAddressAndQuitsWhenThePagesAreGone) {
  browser::WindowOptions options;
  options.no_browser = true;
  auto window = Make(options);
  window->Navigate2(folder.Html() / "start.htm");
  window->Navigate2(folder.Html() / "quindle.htm");  // later ones print nothing
  EXPECT_EQ(out.str(), *window->GetServer().UrlFor(folder.Html() / "start.htm") + "\n");
  EXPECT_FALSE(window->Launched());

  // No page yet: waiting for the experimenter to open it is not a quit.
  Spin(io, std::chrono::milliseconds(200));
  auto page = OpenStream(*window);
  ASSERT_TRUE(SpinUntil(io, [&] { return window->GetServer().OpenStreams() == 1; }));
  // A page that goes and comes back within the grace time (a navigation).
  page->close();
  ASSERT_TRUE(SpinUntil(io, [&] { return window->GetServer().OpenStreams() == 0; }));
  Spin(io, std::chrono::milliseconds(1000));
  page = OpenStream(*window);
  ASSERT_TRUE(SpinUntil(io, [&] { return window->GetServer().OpenStreams() == 1; }));
  Spin(io, browser::Window::kGoneGrace);
  EXPECT_EQ(events.quits, 0);
  // Gone for good.
  const auto closed = std::chrono::steady_clock::now();
  page->close();
  ASSERT_TRUE(SpinUntil(io, [&] { return events.quits > 0; }, std::chrono::milliseconds(8000)));
  const auto waited = std::chrono::steady_clock::now() - closed;
  EXPECT_GE(waited, browser::Window::kGoneGrace - std::chrono::milliseconds(50));
  EXPECT_LT(waited, browser::Window::kGoneGrace + std::chrono::milliseconds(1500));
  Spin(io, std::chrono::milliseconds(100));
  EXPECT_EQ(events.quits, 1);
}

TEST_F(WindowTest, NoDisplayBehavesAsNoBrowserAndSaysSo) {
  EnvVar display("DISPLAY", nullptr);
  EnvVar wayland("WAYLAND_DISPLAY", nullptr);
  auto window = Make({});
  window->Navigate2(folder.Html() / "start.htm");
  EXPECT_EQ(out.str(), *window->GetServer().UrlFor(folder.Html() / "start.htm") + "\n");
  EXPECT_NE(err.str().find("no display"), std::string::npos);
  EXPECT_FALSE(window->Launched());
}

TEST_F(WindowTest, LaunchedBrowserGetsAppWindowOnItsOwnProfileAndItsExitIsTheQuit) {
  EnvVar display("DISPLAY", ":99");
  const fs::path seen = folder.Root() / "profile-seen";
  browser::WindowOptions options;
  options.browser = FakeBrowser("fakebrowser",
                                "trap 'exit 0' TERM\nfor a; do case $a in --user-data-dir=*) "
                                "[ -d \"${a#--user-data-dir=}\" ] && touch " +
                                    seen.string() + ";; esac; done\nsleep 30 & wait");
  auto window = Make(options);
  window->Navigate2(folder.Html() / "start.htm");
  ASSERT_TRUE(window->Launched()) << err.str();
  EXPECT_TRUE(out.str().empty());  // the address is not printed when a window opens
  ASSERT_TRUE(SpinUntil(io, [&] { return fs::exists(seen); }));

  const std::string args = folder.Read("args.txt");
  const std::string url = *window->GetServer().UrlFor(folder.Html() / "start.htm");
  EXPECT_NE(args.find("--app=" + url + "\n"), std::string::npos) << args;
  EXPECT_NE(args.find("--start-maximized\n"), std::string::npos);
  EXPECT_NE(args.find("--no-first-run\n"), std::string::npos);
  EXPECT_EQ(args.find("--headless"), std::string::npos);
  const bool root = geteuid() == 0;
  EXPECT_EQ(args.find("--no-sandbox\n") != std::string::npos, root);
  EXPECT_EQ(args.find("--test-type\n") != std::string::npos, root);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(args, m, std::regex("--user-data-dir=(.*)\n")));
  const fs::path profile = m[1].str();

  // Closing the window (the process ends normally) is the quit event, and
  // the profile is gone.
  kill(*window->BrowserPid(), SIGTERM);
  ASSERT_TRUE(SpinUntil(io, [&] { return events.quits == 1; }));
  EXPECT_FALSE(fs::exists(profile));
  EXPECT_FALSE(window->Launched());
}

TEST_F(WindowTest, BrowserThatFailsBeforeShowingAPageLeavesTheAddress) {
  EnvVar display("DISPLAY", ":99");
  browser::WindowOptions options;
  options.browser = FakeBrowser("brokenbrowser", "exit 1");
  auto window = Make(options);
  window->Navigate2(folder.Html() / "start.htm");
  ASSERT_TRUE(SpinUntil(io, [&] { return !out.str().empty(); }));
  EXPECT_EQ(out.str(), *window->GetServer().UrlFor(folder.Html() / "start.htm") + "\n");
  EXPECT_EQ(events.quits, 0);

  options.browser = (folder.Root() / "missing-browser").string();
  std::ostringstream().swap(out);
  auto second = Make(options);
  second->Navigate2(folder.Html() / "start.htm");
  EXPECT_EQ(out.str(), *second->GetServer().UrlFor(folder.Html() / "start.htm") + "\n");
  EXPECT_NE(err.str().find("was not found"), std::string::npos);
}

TEST_F(WindowTest, QuitEndsTheBrowserWithoutAnotherEvent) {
  EnvVar display("DISPLAY", ":99");
  browser::WindowOptions options;
  options.browser = FakeBrowser("quietbrowser", "exec sleep 30");
  auto window = Make(options);
  window->Navigate2(folder.Html() / "start.htm");
  ASSERT_TRUE(window->Launched());
  window->Quit();
  ASSERT_TRUE(SpinUntil(io, [&] { return !window->Launched(); }));
  Spin(io, std::chrono::milliseconds(100));
  EXPECT_EQ(events.quits, 0);
}

TEST_F(WindowTest, HeadlessChromiumOpensTheStartPageAndItsEndIsTheQuit) {
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  EnvVar display("DISPLAY", nullptr);
  browser::WindowOptions options;
  options.browser = "/usr/bin/chromium";
  options.headless = true;
  auto window = Make(options);
  window->Navigate2(folder.Html() / "start.htm");
  ASSERT_TRUE(window->Launched()) << err.str();
  // The page arrives as a navigation and holds its stream.
  ASSERT_TRUE(SpinUntil(io, [&] { return window->GetServer().OpenStreams() == 1; },
                        std::chrono::milliseconds(30000)));
  ASSERT_EQ(events.urls.size(), 1u);
  EXPECT_EQ(events.urls[0], *window->GetServer().UrlFor(folder.Html() / "start.htm"));
  // A pushed navigation is followed.
  window->Navigate2(folder.Html() / "quindle.htm");
  ASSERT_TRUE(SpinUntil(io, [&] { return events.urls.size() == 2; }));
  EXPECT_NE(events.urls[1].find("/html/quindle.htm"), std::string::npos);

  const auto killed = std::chrono::steady_clock::now();
  kill(*window->BrowserPid(), SIGKILL);
  ASSERT_TRUE(SpinUntil(io, [&] { return events.quits == 1; }));
  EXPECT_LT(std::chrono::steady_clock::now() - killed, std::chrono::seconds(2));
}

TEST(OpenWindowTest, WaitsOneSecondWithTheLoopRunningWhenStartedWithASettingsName) {
  ProgramFolder folder;
  platform::SetProgramFolder(folder.Root());
  boost::asio::io_context io;
  RecordingEvents events;
  bool ran = false;
  boost::asio::post(io, [&] { ran = true; });
  Module1::Command = "4pl - ostracize subject.txt";
  const auto start = std::chrono::steady_clock::now();
  browser::Browser* browser = browser::OpenWindow(io, events, {});
  const auto waited = std::chrono::steady_clock::now() - start;
  Module1::Command.clear();
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(browser, browser::CurrentWindow());
  EXPECT_TRUE(ran);
  EXPECT_GE(waited, std::chrono::milliseconds(1000));
  EXPECT_LT(waited, std::chrono::milliseconds(1500));
  browser::CloseWindow();

  // Without one, no wait.
  const auto again = std::chrono::steady_clock::now();
  browser::OpenWindow(io, events, {});
  EXPECT_LT(std::chrono::steady_clock::now() - again, std::chrono::milliseconds(200));
  browser::CloseWindow();
  EXPECT_EQ(browser::CurrentWindow(), nullptr);
}

}  // namespace
