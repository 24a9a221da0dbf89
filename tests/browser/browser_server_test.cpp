// The browser window's layer against real requests on 127.0.0.1, Debian's
// headless Chromium, and stand-in browser programs at the process edge.
#include <gtest/gtest.h>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <regex>
#include <sstream>

#include "browser/launcher.hpp"
#include "browser/page_script.hpp"
#include "browser/pilot_participant.hpp"
#include "browser/server.hpp"
#include "browser/window.hpp"
#include "platform/clock.hpp"
#include "session/module1.hpp"
#include "support/program_folder.hpp"

namespace {

namespace fs = std::filesystem;
namespace http = boost::beast::http;
using namespace std::chrono_literals;
using Reply = http::response<http::string_body>;

constexpr char kStartPage[] = "<html><body><p>Welcome</p></body></html>";

// Runs the loop (and so the handlers) until `done()` holds or `limit` passes.
bool SpinUntil(boost::asio::io_context& io, const std::function<bool()>& done,
               std::chrono::milliseconds limit = 5s) {
  for (auto end = std::chrono::steady_clock::now() + limit;
       !done() && std::chrono::steady_clock::now() < end;) {
    io.restart();
    io.run_for(2ms);
  }
  return done();
}

// html/ with pages, a picture named like a throw and links, a secret beside it;
// records the browser's events.
class BrowserTest : public ::testing::Test, public browser::BrowserEvents {
 protected:
  BrowserTest() {
    folder.Write("html/start.htm", kStartPage);
    folder.Write("html/sub dir/page two.htm", "<html><body>two</body></html>");
    folder.Write("html/2to3.gif", std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 13));
    folder.Write("html/style.css", "body { margin: 0 }");
    folder.Write("secret.txt", "not for the browser");
    fs::create_symlink("../secret.txt", Html() / "leak.htm");
    fs::create_symlink(folder.Path(), Html() / "up");
    fs::create_symlink("start.htm", Html() / "alias.htm");
    // A display that is set but not there: enough to start stand-in browsers.
    setenv("DISPLAY", ":99", 1);
    unsetenv("WAYLAND_DISPLAY");
  }
  fs::path Html() const { return folder.Path() / "html"; }
  void Sink_BeforeNavigate2(const std::string& URL) override {
    urls.push_back(URL);
    if (on_navigate) on_navigate(URL);
  }
  void Sink_OnQuit() override { ++quits; }

  testing_support::TempProgramFolder folder;
  boost::asio::io_context io;
  std::vector<std::string> urls;
  int quits = 0;
  std::function<void(const std::string&)> on_navigate;
};

class ServerTest : public BrowserTest {
 protected:
  ServerTest() : server(io, *this, Html()), host("127.0.0.1:" + std::to_string(server.Port())) {}

  std::string Path(const std::string& name) const {
    return "/" + Serving().Prefix() + "/html/" + name;
  }
  const browser::Server& Serving() const { return other ? *other : server; }
  // Sends a request with `host` (none if empty) and runs the loop; status 0: no answer.
  Reply Get(const std::string& target, const std::string& dest = "document",
            const std::string& headers = "", const std::string& method = "GET",
            const std::string& body = "") {
    std::string raw = method + " " + target + " HTTP/1.1\r\n";
    if (!host.empty()) raw += "Host: " + host + "\r\n";
    if (!dest.empty()) raw += "Sec-Fetch-Dest: " + dest + "\r\n";
    if (!cookie.empty()) raw += "Cookie: other=1; " + cookie + "\r\n";
    raw += headers + "Connection: close\r\n\r\n" + body;
    boost::asio::ip::tcp::socket socket(io);
    socket.connect({boost::asio::ip::make_address_v4("127.0.0.1"), Serving().Port()});
    boost::beast::error_code error;  // the server may hang up before an oversized one is sent
    boost::asio::write(socket, boost::asio::buffer(raw), error);  // fits the socket's buffers
    boost::beast::flat_buffer buffer;
    http::response_parser<http::string_body> parser;
    parser.skip(method == "HEAD");
    std::optional<boost::beast::error_code> read;
    http::async_read(socket, buffer, parser, [&](auto ec, auto) { read = ec; });
    EXPECT_TRUE(SpinUntil(
        io, [&] { return read.has_value(); }, 10s))
        << target;
    EXPECT_EQ(parser.get().body().find("not for the browser"), std::string::npos) << target;
    if (read != boost::beast::error_code()) return Reply(http::status::unknown, 11);
    const std::string set = parser.get()[http::field::set_cookie];
    if (!set.empty()) cookie = set.substr(0, set.find(';'));
    return parser.release();
  }

  browser::Server server;
  std::string host;
  const browser::Server* other = nullptr;  // asked instead of `server` when set
  std::string cookie;  // the window's, once its first page request claimed the run
};

TEST_F(ServerTest, PagesAreServedUnderARandomPrefixWithTheScriptAppended) {
  EXPECT_NE(server.Prefix(), browser::Server(io, *this, Html()).Prefix());
  // The classic backslash form of the program's own paths; nothing outside html/.
  EXPECT_EQ(server.UrlFor(folder.Path().string() + "\\html\\sub dir\\page two.htm"),
            server.Origin() + Path("sub%20dir/page%20two.htm"));
  EXPECT_FALSE(server.UrlFor(Html() / ".." / "secret.txt").has_value());

  const Reply page = Get(Path("start.htm"));
  EXPECT_TRUE(page.body().starts_with(kStartPage)) << page.body();
  EXPECT_NE(page.body().find("\"/" + server.Prefix() + "/\""), std::string::npos);
  EXPECT_NE(page.body().find("pagehide"), std::string::npos);
  EXPECT_EQ(folder.Read("html/start.htm"), kStartPage);  // never written into the file

  const Reply head = Get(Path("start.htm"), "document", "", "HEAD");
  EXPECT_EQ(head[http::field::content_length], std::to_string(page.body().size()));
  EXPECT_EQ(urls.size(), 1u);  // HEAD is no navigation
  // A page the program composed is served as given, not as its file holds it.
  server.Provide(Html() / "start.htm", "<p>composed</p>");
  EXPECT_TRUE(Get(Path("start.htm")).body().starts_with("<p>composed</p>\n<script>"));
}

// A real run's pages are the file and the page script, nothing more; a pilot's carry its
// participant.
TEST_F(ServerTest, OnlyAPilotsPagesCarryTheParticipant) {
  EXPECT_EQ(Get(Path("start.htm")).body(),
            kStartPage + browser::PageScript({server.Prefix(), 0, 0, {}}));

  const std::string participant = browser::PilotScript({"round", 7, 20});
  const std::string settings =
      "{ strategy: \"round\", seed: 7, minMs: 500, maxMs: 2000, speed: 20 }";
  EXPECT_NE(participant.find(settings), std::string::npos) << participant;
  const browser::Server pilot(io, *this, Html(), {}, participant);
  other = &pilot;
  host = "127.0.0.1:" + std::to_string(pilot.Port());
  const std::string page = Get(Path("start.htm")).body();
  EXPECT_TRUE(page.starts_with(kStartPage) && page.ends_with(participant)) << page;
  EXPECT_EQ(Get(Path("style.css"), "style").body(), "body { margin: 0 }");
  other = nullptr;

  EXPECT_THROW(browser::PilotScript({"sideways", 1, 20}), std::invalid_argument);
  EXPECT_THROW(browser::PilotScript({"left", 1, 0}), std::invalid_argument);
}

TEST_F(ServerTest, OnlyPageRequestsAreNavigations) {
  server.Stop();  // outside a request: must not stop the next navigation
  // Animations are fetched anew for each throw; the stylesheet may be kept.
  const struct {
    const char *file, *dest, *headers, *cache;
    int status;
    bool navigation;
  } cases[] = {
      {"sub%20dir/page%20two.htm", "document", "", "no-store", 200, true},
      {"alias.htm", "document", "", "no-store", 200, true},  // a link that stays inside
      {"2to3.htm", "document", "", "no-store", 404, true},   // throw targets are not on disk
      {"start.htm", "", "Accept: TEXT/HTML, */*\r\n", "no-store", 200, true},
      {"2to3.gif", "image", "Accept: image/*\r\n", "no-store", 200, false},  // a throw's picture
      {"2to3.gif", "", "Accept: image/*\r\n", "no-store", 200, false},
      {"2to3.htm", "iframe", "Accept: text/html\r\n", "no-store", 404, false},
      {"style.css", "style", "", "private, max-age=86400", 200, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " as " + c.dest + " " + c.headers);
    urls.clear();
    const Reply reply = Get(Path(c.file), c.dest, c.headers);
    EXPECT_EQ(reply.result_int(), c.status);
    EXPECT_EQ(reply[http::field::cache_control], c.cache);
    // Every page, even a missing one, can be led on by the program.
    EXPECT_EQ(reply.body().find("new EventSource") != std::string::npos, c.navigation);
    EXPECT_EQ(urls, c.navigation ? std::vector{server.Origin() + Path(c.file)}
                                 : std::vector<std::string>());
  }
  EXPECT_EQ(Get(Path("2to3.gif"), "image").body(), folder.Read("html/2to3.gif"));
}

TEST_F(ServerTest, StopAnswers204AndStopWithNavigateAnswers303) {
  on_navigate = [&](const std::string& url) {
    server.Stop();
    if (url.ends_with("/2to3.htm")) server.Navigate2(Html() / "sub dir" / "page two.htm");
  };
  const Reply thrown = Get(Path("2to3.htm"));
  EXPECT_EQ(thrown.result_int(), 303);
  EXPECT_EQ(thrown[http::field::location], Path("sub%20dir/page%20two.htm"));
  EXPECT_EQ(Get(Path("start.htm")).result_int(), 204);
}

TEST_F(ServerTest, RefusesWhatIsNotForIt) {
  const std::string port = std::to_string(server.Port()), start = Path("start.htm");
  for (const char* method : {"POST", "PUT", "DELETE", "OPTIONS", "TRACE"})
    EXPECT_EQ(Get(start, "document", "Content-Length: 0\r\n", method).result_int(), 403) << method;
  // Outside the prefix or the html folder (by "..", escaped or not, or links).
  for (const std::string& target :
       {std::string("/html/start.htm"), "/" + std::string(32, 'a') + "/html/start.htm",
        "/" + server.Prefix() + "/start.htm", "/" + server.Prefix() + "x/html/start.htm",
        Path("../secret.txt"), Path("%2e%2e/secret.txt"), Path("sub%20dir/..%2f..%2fsecret.txt"),
        Path("..%5csecret.txt"), Path("leak.htm"), Path("up/secret.txt"), Path("%zz.htm"),
        Path("start.htm%00.gif")})
    EXPECT_EQ(Get(target).result_int(), 404) << target;
  const std::string filler(20000, 'x');
  EXPECT_EQ(Get(start, "document", "X-Filler: " + filler + "\r\n").result_int(), 413);
  const Reply big = Get(start, "document", "Content-Length: 20000\r\n", "GET", filler);
  EXPECT_TRUE(big.result_int() == 0 || big.result_int() == 413) << big.result_int();
  // Pages elsewhere whose names resolve to this machine, or no Host at all.
  for (const std::string& other : {"evil.example:" + port, "localhost.evil:" + port,
                                   "127.0.0.1:" + std::to_string(server.Port() + 1),
                                   std::string("127.0.0.1"), std::string()}) {
    host = other;
    EXPECT_EQ(Get(start).result_int(), 403) << other;
  }
  // None of it reached the game; the host may also be named localhost.
  EXPECT_TRUE(urls.empty());
  host = "LocalHost:" + port;
  EXPECT_EQ(Get(start).result_int(), 200);
}

// A page socket as a page would hold it: opened with `origin` (none if
// empty) under `host`, with the cookie of the window that loaded the start
// page; the handshake's status (101 when open).
class SocketTest : public ServerTest {
 protected:
  using Ws = boost::beast::websocket::stream<boost::asio::ip::tcp::socket>;
  SocketTest() {
    Get(Path("start.htm"));
    urls.clear();
  }
  int Open(Ws& ws, const std::string& target, const std::string& origin) {
    ws.next_layer().connect({boost::asio::ip::make_address_v4("127.0.0.1"), server.Port()});
    ws.set_option(boost::beast::websocket::stream_base::decorator(
        [origin, cookie = cookie](boost::beast::websocket::request_type& req) {
          if (!origin.empty()) req.set(http::field::origin, origin);
          if (!cookie.empty()) req.set(http::field::cookie, cookie);
        }));
    boost::beast::websocket::response_type res;
    std::optional<boost::beast::error_code> done;
    ws.async_handshake(res, host, target, [&](auto ec) { done = ec; });
    EXPECT_TRUE(SpinUntil(
        io, [&] { return done.has_value(); }, 10s));
    return res.result_int();
  }
  // The next message (empty when the socket ended). Pings are answered with
  // the page's time, `page_clock()`, and skipped unless `pings`.
  // The fake page's clock runs 1000 ms ahead of ours, and it answers pings
  // 500 ms late, as a busy page may.
  static double PageClock() { return platform::PreciseMilliseconds() + 1500; }
  std::string Next(Ws& ws, const std::function<double()>& page_clock = PageClock,
                   bool pings = false) {
    for (;;) {
      boost::beast::flat_buffer buffer;
      std::optional<boost::beast::error_code> done;
      ws.async_read(buffer, [&](auto ec, auto) { done = ec; });
      EXPECT_TRUE(SpinUntil(
          io, [&] { return done.has_value(); }, 10s));
      if (*done) return {};
      std::string text = boost::beast::buffers_to_string(buffer.data());
      if (text != R"({"type":"ping"})") return text;
      Send(ws, R"({"type":"pong","time":)" + std::to_string(page_clock()) + "}");
      if (pings) return text;
    }
  }
  void Send(Ws& ws, const std::string& text) {
    std::optional<boost::beast::error_code> done;
    ws.async_write(boost::asio::buffer(text), [&](auto ec, auto) { done = ec; });
    EXPECT_TRUE(SpinUntil(
        io, [&] { return done.has_value(); }, 10s));
  }
  void Sink_Presented(std::uint64_t navigation, double time) override {
    presented.emplace_back(navigation, time);
  }
  std::vector<std::pair<std::uint64_t, double>> presented;
};

TEST_F(SocketTest, OnlyThisServersPagesOpenOne) {
  const std::string port = std::to_string(server.Port()),
                    target = "/" + server.Prefix() + "/socket";
  const struct {
    std::string host, target, origin;
    int status;
  } cases[] = {
      {"127.0.0.1:" + port, target, "http://evil.example", 403},
      {"127.0.0.1:" + port, target, "", 403},
      {"127.0.0.1:" + port, target, "http://localhost:" + port, 403},
      {"127.0.0.1:" + port, target, "http://127.0.0.1:" + std::to_string(server.Port() + 1), 403},
      {"evil.example:" + port, target, "http://evil.example:" + port, 403},
      {"127.0.0.1:" + port, "/" + std::string(32, 'a') + "/socket", "http://127.0.0.1:" + port,
       404},
      {"127.0.0.1:" + port, target, "http://127.0.0.1:" + port, 101},
      {"localhost:" + port, target, "http://localhost:" + port, 101},
  };
  for (const auto& c : cases) {
    host = c.host;
    Ws ws(io);
    EXPECT_EQ(Open(ws, c.target, c.origin), c.status)
        << c.host << " " << c.target << " " << c.origin;
  }
  cookie.clear();  // a second client: no socket for it
  Ws ws(io);
  EXPECT_EQ(Open(ws, target, "http://127.0.0.1:" + port), 403);
}

TEST_F(SocketTest, MessagesAreCheckedFollowsNavigateAndOnsetsComeOnOurClock) {
  Ws ws(io);
  ASSERT_EQ(Open(ws, "/" + server.Prefix() + "/socket", "http://" + host), 101);
  testing::internal::CaptureStderr();
  // Malformed messages are dropped; the socket stays.
  for (const std::string bad :
       {"not json", "[1]", R"({"type":7})", R"({"type":"onset","number":1})",
        R"({"type":"follow","url":"http://evil.example/x.htm"})",
        R"({"type":"hello","path":"/elsewhere/x.htm"})"})
    Send(ws, bad);
  Send(ws, R"({"type":"hello","path":")" + Path("start.htm") + R"(","picture":")" +
               Path("2to3.gif") + R"("})");
  EXPECT_EQ(Next(ws), R"({"type":"pictures","urls":[")" + Path("2to3.gif") + R"("]})");
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 6) << errors;
  EXPECT_TRUE(urls.empty());

  // A followed link raises the before-navigate event; a navigation to the page
  // shown answers with the page as composed, one elsewhere with its address.
  Send(ws, R"({"type":"ready"})");
  server.Provide(Html() / "start.htm", "<p>composed</p>");
  on_navigate = [&](const std::string& url) {
    server.Stop();
    server.Navigate2(Html() / (url.ends_with("2to3.htm") ? "start.htm" : "sub dir/page two.htm"));
  };
  const double followed = platform::PreciseMilliseconds();
  Send(ws, R"({"type":"follow","url":")" + server.Origin() + Path("2to3.htm") + R"("})");
  const std::string swap = Next(ws);
  const double received = platform::PreciseMilliseconds() + 1000;
  EXPECT_EQ(swap, R"({"type":"swap","seq":0,"number":1})"
                  "\n<p>composed</p>");
  Send(ws, R"({"type":"follow","url":")" + server.Origin() + Path("start.htm") + R"("})");
  EXPECT_EQ(Next(ws), R"({"type":"navigate","url":")" + Path("sub%20dir/page%20two.htm") + "\"}");
  EXPECT_EQ(urls,
            (std::vector{server.Origin() + Path("2to3.htm"), server.Origin() + Path("start.htm")}));

  // The onset comes back on our clock: the late pings would put it before the
  // swap was even sent, but the page's receipt of the swap bounds that.
  const double before = platform::PreciseMilliseconds();
  Send(ws, R"({"type":"onset","number":1,"time":)" + std::to_string(before + 1000) +
               R"(,"received":)" + std::to_string(received) + "}");
  ASSERT_TRUE(SpinUntil(
      io, [&] { return !Next(ws, PageClock, true).empty() && !presented.empty(); }, 20s));
  EXPECT_EQ(presented.front().first, 1u);
  EXPECT_GE(presented.front().second, followed);
  EXPECT_LE(presented.front().second, before);

  // An oversized message ends the socket.
  Send(ws, R"({"type":"hello","path":")" + std::string(10000, 'x') + "\"}");
  EXPECT_EQ(Next(ws), "");
  EXPECT_TRUE(SpinUntil(io, [&] { return server.OpenSockets() == 0; }));
}

// Headless Chromium led on: pushed navigations and throws answered 303, 50 of
// each in a row, a navigation answered 204, and one issued while loading.
TEST_F(ServerTest, ChromiumFollowsEveryKindOfNavigation) {
  if (!fs::exists("/usr/bin/chromium")) GTEST_SKIP() << "Debian's chromium is not installed";
  constexpr std::size_t kRounds = 50;
  // Plain pages, and pages that throw or ask for a page the program only stops.
  for (const auto& [name, script] : std::vector<std::pair<std::string, std::string>>{
           {"one.htm", ""},
           {"two.htm", ""},
           {"throw.htm", "onload = () => location.href = '2to3.htm'"},
           {"stay.htm", "onload = () => setTimeout(() => location.href = 'halt.htm', 1000)"},
           {"slow.htm", "const t = Date.now(); while (Date.now() - t < 1500) {}"}})
    folder.Write("html/" + name,
                 "<html><body><img src=\"2to3.gif\"><script>" + script + "</script></body></html>");
  std::size_t throws = 0, opened = 0, open = 0, most_open = 0, opened_at_request = 0;
  server.OnStreamsChanged([&](std::size_t n) {
    if (n > open) ++opened;
    open = n;
    most_open = std::max(most_open, n);
  });
  on_navigate = [&](const std::string& url) {
    opened_at_request = opened;
    if (url.ends_with("/halt.htm")) server.Stop();
    if (!url.ends_with("/2to3.htm")) return;
    server.Stop();
    server.Navigate2(Html() / (++throws == kRounds ? "two.htm" : "throw.htm"));
  };
  // Leads the window to `page` (unless empty) and waits until `shown` is the
  // last page asked for and has connected its stream.
  const auto go = [&](const std::string& page, std::string shown = "") {
    if (!page.empty()) server.Navigate2(Html() / page);
    if (shown.empty()) shown = page;
    const auto done = [&] {
      return !urls.empty() && urls.back().ends_with("/" + shown) && opened > opened_at_request;
    };
    return SpinUntil(io, done, 30s);
  };

  browser::Launcher chromium(io, [](int) {});
  ASSERT_TRUE(chromium.Start("/usr/bin/chromium", *server.UrlFor(Html() / "one.htm"), true));
  ASSERT_TRUE(go("", "one.htm"));
  for (std::size_t i = 0; i < kRounds; ++i) ASSERT_TRUE(go(i % 2 ? "one.htm" : "two.htm")) << i;
  ASSERT_TRUE(go("throw.htm", "two.htm"));

  ASSERT_TRUE(go("stay.htm"));
  ASSERT_TRUE(SpinUntil(io, [&] { return urls.back().ends_with("/halt.htm"); }));
  // The page stays with its stream (the next navigation reaches it through that
  // stream): nothing was loaded or connected since.
  EXPECT_EQ(server.OpenStreams(), 1u);
  EXPECT_EQ(opened, opened_at_request);

  // The page still shown follows; a navigation issued while the next loads is kept.
  server.Navigate2(Html() / "slow.htm");
  ASSERT_TRUE(SpinUntil(
      io, [&] { return urls.back().ends_with("/slow.htm") && server.OpenStreams() == 0; }));
  EXPECT_TRUE(go("one.htm"));
  EXPECT_LE(most_open, 2u);  // pages left behind let go of their streams
}

class WindowTest : public BrowserTest {
 protected:
  std::unique_ptr<browser::Window> Open(const std::string& browser) {
    out.str("");
    err.str("");
    browser::WindowOptions options;
    options.browser = browser;
    auto window = std::make_unique<browser::Window>(io, *this, Html(), options, out, err);
    window->Navigate2(Html() / "start.htm");
    return window;
  }
  // A stand-in browser that records its arguments.
  std::string FakeBrowser(const std::string& body) {
    folder.Write("fakebrowser",
                 "#!/bin/sh\ntrap 'exit 0' TERM\ncd \"${0%/*}\"\n"
                 "printf '%s\\n' \"$@\" > a.tmp && mv a.tmp args.txt\n" +
                     body);
    fs::permissions(folder.Path() / "fakebrowser", fs::perms::owner_all);
    return (folder.Path() / "fakebrowser").string();
  }

  std::ostringstream out, err;
  // The start page's address under the run's prefix.
  const std::string start_url = R"(http://127\.0\.0\.1:\d+/[0-9a-f]{32}/html/start\.htm)";
};

// No display, or a browser that fails before showing a page (--no-browser: the end-to-end test).
TEST_F(WindowTest, WithoutAWindowTheStartAddressIsPrintedAlone) {
  const struct {
    bool display;
    std::string browser, says;
  } cases[] = {
      {false, "", "no display"},
      {true, FakeBrowser("exit 1"), "before showing the start page"},
      {true, (folder.Path() / "missing-browser").string(), "was not found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    c.display ? setenv("DISPLAY", ":99", 1) : unsetenv("DISPLAY");
    auto window = Open(c.browser);
    window->Navigate2(Html() / "sub dir" / "page two.htm");  // later ones print nothing
    ASSERT_TRUE(SpinUntil(io, [&] { return !out.str().empty(); }));
    EXPECT_TRUE(std::regex_match(out.str(), std::regex(start_url + "\n"))) << out.str();
    EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
    EXPECT_FALSE(window->Launched());
  }
  EXPECT_EQ(quits, 0);
}

// The browser ending by itself is the quit: see the end-to-end test.
TEST_F(WindowTest, LaunchesAnAppWindowOnAFreshProfileThatQuitRemoves) {
  auto window = Open(FakeBrowser("sleep 30 & wait"));
  ASSERT_TRUE(window->Launched()) << err.str();
  ASSERT_TRUE(SpinUntil(io, [&] { return folder.Exists("args.txt"); }));
  const std::string args = folder.Read("args.txt");
  EXPECT_TRUE(std::regex_search(args, std::regex("--app=" + start_url + "\n"))) << args;
  for (const auto& [arg, given] :
       std::vector<std::pair<std::string, bool>>{{"--start-maximized", true},
                                                 {"--no-first-run", true},
                                                 {"--headless", false},
                                                 {"--no-sandbox", geteuid() == 0},
                                                 {"--test-type", geteuid() == 0}})
    EXPECT_EQ(args.find(arg + "\n") != std::string::npos, given) << arg << " in\n" << args;
  std::smatch profile;
  ASSERT_TRUE(std::regex_search(args, profile, std::regex("--user-data-dir=(.*)\n")));
  EXPECT_TRUE(fs::is_directory(profile[1].str()));

  // The program's own Quit ends the browser without a quit event.
  window->Quit();
  ASSERT_TRUE(SpinUntil(io, [&] { return !window->Launched(); }));
  io.poll();  // the exit has been reaped: a quit event would have been raised by now
  EXPECT_EQ(quits, 0);
  EXPECT_FALSE(fs::exists(profile[1].str()));
}

}  // namespace
