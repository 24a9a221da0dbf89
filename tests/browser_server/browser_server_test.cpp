// The browser window's layer against real requests on 127.0.0.1, Debian's
// headless Chromium, and stand-in browser programs at the process edge.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <future>
#include <regex>
#include <sstream>

#include "browser/launcher.hpp"
#include "browser/server.hpp"
#include "browser/window.hpp"
#include "session/module1.hpp"
#include "support/program_folder.hpp"

namespace {

namespace fs = std::filesystem;
namespace http = boost::beast::http;
using namespace std::chrono_literals;
using Reply = http::response<http::string_body>;

// Runs the loop (and so the handlers) until `done()` holds or `limit` passes.
bool SpinUntil(boost::asio::io_context& io, const std::function<bool()>& done,
               std::chrono::milliseconds limit = 5s) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    io.restart();
    io.run_for(2ms);
  }
  return done();
}

// A request with an optional Host and Sec-Fetch-Dest, and `extra` header lines.
std::string Request(const std::string& method, const std::string& target, const std::string& host,
                    const std::string& dest, const std::string& extra = "") {
  std::string raw = method + " " + target + " HTTP/1.1\r\n";
  if (!host.empty()) raw += "Host: " + host + "\r\n";
  if (!dest.empty()) raw += "Sec-Fetch-Dest: " + dest + "\r\n";
  return raw + extra + "Connection: close\r\n\r\n";
}

// Sends `raw` from another thread while `io` runs; status 0: no answer.
Reply Send(boost::asio::io_context& io, std::uint16_t port, const std::string& raw,
           bool head = false) {
  auto answer = std::async(std::launch::async, [=] {
    boost::asio::io_context client;
    boost::asio::ip::tcp::socket socket(client);
    socket.connect({boost::asio::ip::make_address_v4("127.0.0.1"), port});
    boost::beast::error_code ec;
    // The server may answer and hang up before an oversized request is sent.
    boost::asio::write(socket, boost::asio::buffer(raw), ec);
    boost::beast::flat_buffer buffer;
    http::response_parser<http::string_body> parser;
    parser.skip(head);
    http::read(socket, buffer, parser, ec);
    return ec ? Reply(http::status::unknown, 11) : parser.release();
  });
  SpinUntil(
      io, [&] { return answer.wait_for(0s) == std::future_status::ready; }, 10s);
  return answer.get();
}

struct RecordingEvents final : browser::BrowserEvents {
  void Sink_BeforeNavigate2(const std::string& URL) override {
    urls.push_back(URL);
    if (on_navigate) on_navigate(URL);
  }
  void Sink_OnQuit() override { ++quits; }

  std::vector<std::string> urls;
  int quits = 0;
  std::function<void(const std::string&)> on_navigate;
};

// html/ with pages, a picture named like a throw and links; a secret beside it.
struct HtmlFolder : testing_support::TempProgramFolder {
  HtmlFolder() {
    Write("html/start.htm", "<html><body><p>Welcome</p></body></html>");
    Write("html/sub dir/page two.htm", "<html><body>two</body></html>");
    Write("html/2to3.gif", std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 13));
    Write("html/style.css", "body { margin: 0 }");
    Write("secret.txt", "not for the browser");
    fs::create_symlink("../secret.txt", Html() / "leak.htm");
    fs::create_symlink(Path(), Html() / "up");
    fs::create_symlink("start.htm", Html() / "alias.htm");
  }
  fs::path Html() const { return Path() / "html"; }
};

class ServerTest : public ::testing::Test {
 protected:
  ServerTest() : server(io, events, folder.Html()) {}

  std::string Host() const { return "127.0.0.1:" + std::to_string(server.Port()); }
  std::string Html(const std::string& name) const {
    return "/" + server.Prefix() + "/html/" + name;
  }
  Reply Get(const std::string& target, const std::string& dest = "document",
            const std::string& extra = "", const std::string& method = "GET") {
    return Send(io, server.Port(), Request(method, target, Host(), dest, extra), method == "HEAD");
  }

  HtmlFolder folder;
  boost::asio::io_context io;
  RecordingEvents events;
  browser::Server server;
};

TEST_F(ServerTest, PagesAreServedUnderARandomPrefixWithTheScriptAppended) {
  EXPECT_TRUE(std::regex_match(server.Prefix(), std::regex("[0-9a-f]{32}")));
  browser::Server other(io, events, folder.Html());
  EXPECT_NE(server.Prefix(), other.Prefix());
  EXPECT_EQ(server.UrlFor(folder.Html() / "sub dir" / "page two.htm"),
            server.Origin() + Html("sub%20dir/page%20two.htm"));
  // The classic backslash form of the program's own paths.
  EXPECT_EQ(server.UrlFor(folder.Path().string() + "\\html\\connected.htm"),
            server.Origin() + Html("connected.htm"));
  EXPECT_FALSE(server.UrlFor(folder.Html() / ".." / "secret.txt").has_value());

  const Reply page = Get(Html("start.htm"));
  EXPECT_EQ(page[http::field::content_type], "text/html");
  const std::string original = "<html><body><p>Welcome</p></body></html>";
  EXPECT_EQ(page.body().substr(0, original.size()), original);
  for (const std::string& part : {std::string("new EventSource"), std::string("pagehide"),
                                  "/" + server.Prefix() + "/events"}) {
    EXPECT_NE(page.body().find(part), std::string::npos) << part;
  }
  EXPECT_EQ(folder.Read("html/start.htm"), original);  // never written into the file

  const Reply head = Get(Html("start.htm"), "document", "", "HEAD");
  EXPECT_EQ(head.result_int(), 200);
  EXPECT_TRUE(head.body().empty());
  EXPECT_EQ(head[http::field::content_length], std::to_string(page.body().size()));
  EXPECT_EQ(events.urls.size(), 1u);  // HEAD is no navigation
}

TEST_F(ServerTest, OnlyPageRequestsAreNavigations) {
  server.Stop();  // outside a request: must not stop the next navigation
  const struct {
    const char *file, *dest, *extra;
    int status;
    bool navigation;
  } cases[] = {
      {"start.htm?a=1", "document", "", 200, true},
      {"sub%20dir/page%20two.htm", "document", "", 200, true},
      {"alias.htm", "document", "", 200, true},  // a link that stays inside the folder
      {"2to3.htm", "document", "", 404, true},   // throw targets are not on disk
      {"start.htm", "", "Accept: TEXT/HTML, */*\r\n", 200, true},
      {"2to3.gif", "image", "Accept: image/*\r\n", 200, false},  // a throw's picture
      {"2to3.gif", "", "Accept: image/*\r\n", 200, false},
      {"2to3.htm", "iframe", "Accept: text/html\r\n", 404, false},
      {"style.css", "style", "", 200, false},
      {"script.js", "script", "", 404, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " as " + c.dest + " " + c.extra);
    const std::size_t before = events.urls.size();
    const Reply reply = Get(Html(c.file), c.dest, c.extra);
    EXPECT_EQ(reply.result_int(), c.status);
    ASSERT_EQ(events.urls.size(), before + (c.navigation ? 1 : 0));
    // Every page, even a missing one, can be led on by the program.
    EXPECT_EQ(reply.body().find("new EventSource") != std::string::npos, c.navigation);
    if (!c.navigation) continue;
    EXPECT_EQ(events.urls.back(), server.Origin() + Html(c.file));
    EXPECT_EQ(reply[http::field::cache_control], "no-store");
  }
  const Reply gif = Get(Html("2to3.gif"), "image");
  EXPECT_EQ(gif.body(), folder.Read("html/2to3.gif"));
  EXPECT_EQ(gif[http::field::content_type], "image/gif");
  // Animations are fetched anew for each throw; the stylesheet may be kept.
  EXPECT_EQ(gif[http::field::cache_control], "no-store");
  EXPECT_EQ(Get(Html("style.css"), "style")[http::field::cache_control], "private, max-age=86400");
}

TEST_F(ServerTest, StopAnswers204AndStopWithNavigateAnswers303) {
  events.on_navigate = [&](const std::string& url) {
    server.Stop();
    if (url.ends_with("/2to3.htm")) server.Navigate2(folder.Html() / "sub dir" / "page two.htm");
  };
  const Reply thrown = Get(Html("2to3.htm"));
  EXPECT_EQ(thrown.result_int(), 303);
  EXPECT_EQ(thrown[http::field::location], Html("sub%20dir/page%20two.htm"));
  const Reply stopped = Get(Html("start.htm"));
  EXPECT_EQ(stopped.result_int(), 204);
  EXPECT_TRUE(stopped.body().empty());
}

TEST_F(ServerTest, RefusesWhatIsNotForIt) {
  const std::string port = std::to_string(server.Port());
  const std::string start = Html("start.htm");
  const auto status = [&](const std::string& method, const std::string& target,
                          const std::string& host, const std::string& extra = "") {
    const Reply reply = Send(io, server.Port(), Request(method, target, host, "document", extra));
    EXPECT_EQ(reply.body().find("not for the browser"), std::string::npos) << target;
    return reply.result_int();
  };
  for (const char* method : {"POST", "PUT", "DELETE", "OPTIONS", "TRACE"}) {
    EXPECT_EQ(status(method, start, Host(), "Content-Length: 0\r\n"), 403) << method;
  }
  // Pages elsewhere whose names resolve to this machine, or no Host at all.
  for (const std::string& host : std::vector<std::string>{
           "evil.example:" + port, "localhost.evil:" + port,
           "127.0.0.1:" + std::to_string(server.Port() + 1), "127.0.0.1", ""}) {
    EXPECT_EQ(status("GET", start, host), 403) << host;
  }
  // Outside the prefix or the html folder (by "..", escaped or not, or links).
  for (const std::string& target : std::vector<std::string>{
           "/html/start.htm", "/" + std::string(32, 'a') + "/html/start.htm",
           "/" + server.Prefix() + "/start.htm", "/" + server.Prefix() + "x/html/start.htm",
           Html("../secret.txt"), Html("%2e%2e/secret.txt"), Html("sub%20dir/..%2f..%2fsecret.txt"),
           Html("..%5csecret.txt"), Html("leak.htm"), Html("up/secret.txt"), Html("%zz.htm"),
           Html("start.htm%00.gif")}) {
    EXPECT_EQ(status("GET", target, Host()), 404) << target;
  }
  EXPECT_EQ(status("GET", start, Host(), "X-Filler: " + std::string(20000, 'x') + "\r\n"), 413);
  const Reply body = Send(io, server.Port(),
                          Request("GET", start, Host(), "document", "Content-Length: 100000\r\n") +
                              std::string(100000, 'b'));
  EXPECT_TRUE(body.result_int() == 0 || body.result_int() == 413) << body.result_int();
  // None of it reached the game; the host may also be named localhost.
  EXPECT_TRUE(events.urls.empty());
  EXPECT_EQ(status("GET", start, "LocalHost:" + port), 200);
}

// Headless Chromium led on: pushed navigations and throws answered 303, 50 of
// each in a row, a navigation answered 204, and one issued while loading.
TEST_F(ServerTest, ChromiumFollowsEveryKindOfNavigation) {
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  constexpr int kRounds = 50;
  const auto page = [&](const std::string& name, const std::string& script = "") {
    folder.Write("html/" + name,
                 "<html><body><img src=\"2to3.gif\"><script>" + script + "</script></body></html>");
  };
  page("one.htm");
  page("two.htm");
  // Pages that throw, or ask for a page the program only stops, once loaded.
  for (const char* name : {"throw1.htm", "throw2.htm"})
    page(name, "onload = () => location.href = '2to3.htm'");
  page("stay.htm", "onload = () => setTimeout(() => location.href = 'halt.htm', 1000)");
  page("slow.htm", "const t = Date.now(); while (Date.now() - t < 1500) {}");

  int throws = 0;
  std::size_t opened = 0, open = 0, opened_at_request = 0;
  server.OnStreamsChanged([&](std::size_t n) {
    if (n > open) ++opened;
    open = n;
  });
  events.on_navigate = [&](const std::string& url) {
    opened_at_request = opened;
    if (url.ends_with("/2to3.htm")) {
      server.Stop();
      ++throws;
      server.Navigate2(folder.Html() / (throws == kRounds ? "two.htm"
                                        : throws % 2      ? "throw2.htm"
                                                          : "throw1.htm"));
    } else if (url.ends_with("/halt.htm")) {
      server.Stop();
    }
  };
  // Whether `name` was the last page asked for and has connected its stream.
  const auto shows = [&](const std::string& name, std::chrono::milliseconds limit = 5s) {
    const auto shown = [&] {
      return !events.urls.empty() && events.urls.back().ends_with("/" + name) &&
             opened > opened_at_request;
    };
    return SpinUntil(io, shown, limit);
  };

  browser::Launcher chromium(io, [](int) {});
  ASSERT_TRUE(chromium.Start("/usr/bin/chromium", *server.UrlFor(folder.Html() / "one.htm"), true));
  ASSERT_TRUE(shows("one.htm", 30s));
  for (int i = 0; i < kRounds; ++i) {
    const std::string name = i % 2 ? "one.htm" : "two.htm";
    server.Navigate2(folder.Html() / name);
    ASSERT_TRUE(shows(name)) << i;
  }
  server.Navigate2(folder.Html() / "throw1.htm");
  ASSERT_TRUE(shows("two.htm", 30s));
  EXPECT_EQ(throws, kRounds);

  server.Navigate2(folder.Html() / "stay.htm");
  ASSERT_TRUE(shows("stay.htm"));
  ASSERT_TRUE(SpinUntil(io, [&] { return events.urls.back().ends_with("/halt.htm"); }));
  // The page stays with its stream: nothing was loaded or connected since.
  EXPECT_FALSE(SpinUntil(
      io, [&] { return server.OpenStreams() != 1; }, 300ms));
  EXPECT_EQ(opened, opened_at_request);
  server.Navigate2(folder.Html() / "two.htm");
  ASSERT_TRUE(shows("two.htm"));

  server.Navigate2(folder.Html() / "slow.htm");
  // The page before has gone and the slow one has not connected yet.
  ASSERT_TRUE(SpinUntil(
      io, [&] { return events.urls.back().ends_with("/slow.htm") && server.OpenStreams() == 0; }));
  server.Navigate2(folder.Html() / "one.htm");
  EXPECT_TRUE(shows("one.htm"));

  EXPECT_LE(server.MaxOpenStreams(), 2u);
  for (const std::string& url : events.urls) EXPECT_FALSE(url.ends_with(".gif")) << url;
}

class WindowTest : public ::testing::Test {
 protected:
  // A display that is set but not there: enough to start the stand-ins.
  WindowTest() {
    setenv("DISPLAY", ":99", 1);
    unsetenv("WAYLAND_DISPLAY");
  }
  std::unique_ptr<browser::Window> Open(const browser::WindowOptions& options) {
    out.str("");
    err.str("");
    auto window = std::make_unique<browser::Window>(io, events, folder.Html(), options, out, err);
    window->Navigate2(folder.Html() / "start.htm");
    return window;
  }
  std::string StartUrl(browser::Window& window) {
    return *window.GetServer().UrlFor(folder.Html() / "start.htm");
  }
  // A stand-in browser: records its arguments and whether its profile existed.
  std::string FakeBrowser(const std::string& name, const std::string& body) {
    folder.Write(name, "#!/bin/sh\ntrap 'exit 0' TERM\ncd '" + folder.Path().string() +
                           "'\nprintf '%s\\n' \"$@\" > args.txt\nfor a; do case $a in "
                           "--user-data-dir=*) [ -d \"${a#*=}\" ] && touch profile-seen;; "
                           "esac; done\n" +
                           body + "\n");
    chmod((folder.Path() / name).c_str(), 0755);
    return (folder.Path() / name).string();
  }

  HtmlFolder folder;
  boost::asio::io_context io;
  RecordingEvents events;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(WindowTest, WithoutALaunchedBrowserTheAddressIsPrinted) {
  unsetenv("DISPLAY");
  for (const bool no_browser : {false, true}) {
    browser::WindowOptions options;
    options.no_browser = no_browser;
    auto window = Open(options);
    window->Navigate2(folder.Html() / "sub dir" / "page two.htm");  // later ones print nothing
    EXPECT_EQ(out.str(), StartUrl(*window) + "\n");
    EXPECT_EQ(err.str().find("no display") != std::string::npos, !no_browser) << err.str();
    EXPECT_FALSE(window->Launched());
  }
}

TEST_F(WindowTest, LaunchedAppWindowOnItsOwnProfileAndItsEndIsTheQuit) {
  browser::WindowOptions options;
  options.browser = FakeBrowser("fakebrowser", "sleep 30 & wait");
  auto window = Open(options);
  ASSERT_TRUE(window->Launched()) << err.str();
  EXPECT_TRUE(out.str().empty());  // no address when a window opens
  ASSERT_TRUE(SpinUntil(io, [&] { return folder.Exists("profile-seen"); }));

  const std::string args = folder.Read("args.txt");
  for (const std::string& arg : {"--app=" + StartUrl(*window), std::string("--start-maximized"),
                                 std::string("--no-first-run")}) {
    EXPECT_NE(args.find(arg + "\n"), std::string::npos) << arg << " in\n" << args;
  }
  EXPECT_EQ(args.find("--headless"), std::string::npos);
  const bool root = geteuid() == 0;
  EXPECT_EQ(args.find("--no-sandbox\n") != std::string::npos, root);
  EXPECT_EQ(args.find("--test-type\n") != std::string::npos, root);
  std::smatch profile;
  ASSERT_TRUE(std::regex_search(args, profile, std::regex("--user-data-dir=(.*)\n")));

  // Closing the window ends the process normally: the quit; the profile goes.
  kill(*window->BrowserPid(), SIGTERM);
  ASSERT_TRUE(SpinUntil(io, [&] { return events.quits == 1; }));
  EXPECT_FALSE(fs::exists(profile[1].str()));

  // The program's own Quit ends the browser without another event.
  window = Open(options);
  ASSERT_TRUE(window->Launched());
  window->Quit();
  ASSERT_TRUE(SpinUntil(io, [&] { return !window->Launched(); }));
  EXPECT_FALSE(SpinUntil(
      io, [&] { return events.quits > 1; }, 100ms));
}

TEST_F(WindowTest, BrowserThatFailsBeforeShowingAPageLeavesTheAddress) {
  for (const std::string& program :
       {FakeBrowser("brokenbrowser", "exit 1"), (folder.Path() / "missing-browser").string()}) {
    browser::WindowOptions options;
    options.browser = program;
    auto window = Open(options);
    ASSERT_TRUE(SpinUntil(io, [&] { return !out.str().empty(); })) << program;
    EXPECT_EQ(out.str(), StartUrl(*window) + "\n");
    EXPECT_FALSE(err.str().empty());
  }
  EXPECT_NE(err.str().find("was not found"), std::string::npos);
  EXPECT_EQ(events.quits, 0);
}

TEST_F(WindowTest, OpensOneSecondAfterStartWithASettingsNameWithTheLoopRunning) {
  browser::WindowOptions options;
  options.no_browser = true;
  bool ran = false;
  boost::asio::post(io, [&] { ran = true; });
  for (const std::string command : {"4pl - ostracize subject.txt", ""}) {
    Module1::Command = command;
    const auto start = std::chrono::steady_clock::now();
    browser::Browser* window = browser::OpenWindow(io, events, options);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(window != nullptr && window == browser::CurrentWindow());
    EXPECT_GE(waited, command.empty() ? 0ms : 1000ms);
    EXPECT_LT(waited, command.empty() ? 200ms : 1500ms);
    browser::CloseWindow();
  }
  EXPECT_TRUE(ran);
  EXPECT_EQ(browser::CurrentWindow(), nullptr);
}

}  // namespace
