// The local server against real requests on 127.0.0.1.
#include "browser/server.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "browser_server/http_client.hpp"

namespace {

using namespace browser_test;

class ServerTest : public ::testing::Test {
 protected:
  ServerTest() : server(io, events, folder.Html()) {}

  Reply Send(const std::string& raw, bool head = false) {
    auto future = std::async(std::launch::async, [&] { return SendRaw(server.Port(), raw, head); });
    return RunUntil(io, future);
  }
  Reply Get(const std::string& target, const std::string& dest) {
    return Send(Request(server.Port(), target, dest));
  }
  std::string Html(const std::string& name) const { return "/" + server.Prefix() + "/html/" + name; }

  ProgramFolder folder;
  boost::asio::io_context io;
  RecordingEvents events;
  browser::Server server;
};

TEST_F(ServerTest, PrefixIsRandomHexAndPagesMapToUrls) {
  EXPECT_TRUE(std::regex_match(server.Prefix(), std::regex("[0-9a-f]{32}")));
  browser::Server other(io, events, folder.Html());
  EXPECT_NE(server.Prefix(), other.Prefix());
  EXPECT_NE(server.Port(), other.Port());

  EXPECT_EQ(server.UrlFor(folder.Html() / "start.htm"), server.Origin() + Html("start.htm"));
  EXPECT_EQ(server.UrlFor(folder.Html() / "sub dir" / "page two.htm"),
            server.Origin() + Html("sub%20dir/page%20two.htm"));
  // The classic backslash form of the program's own paths.
  EXPECT_EQ(server.UrlFor(folder.Root().string() + "\\html\\connected.htm"),
            server.Origin() + Html("connected.htm"));
  EXPECT_FALSE(server.UrlFor(folder.Root() / "secret.txt").has_value());
  EXPECT_FALSE(server.UrlFor(folder.Html() / ".." / "secret.txt").has_value());
}

TEST_F(ServerTest, DocumentRequestRaisesEventAndGetsScriptAppended) {
  const Reply reply = Get(Html("start.htm") + "?a=1", "document");
  ASSERT_EQ(reply.status, 200);
  ASSERT_EQ(events.urls.size(), 1u);
  EXPECT_EQ(events.urls[0], "http://127.0.0.1:" + std::to_string(server.Port()) +
                                Html("start.htm") + "?a=1");
  EXPECT_EQ(reply.headers[http::field::cache_control], "no-store");
  EXPECT_EQ(reply.headers[http::field::content_type], "text/html");
  const std::string original = folder.Read("html/start.htm");
  EXPECT_EQ(reply.body.substr(0, original.size()), original);
  EXPECT_NE(reply.body.find("new EventSource"), std::string::npos);
  EXPECT_NE(reply.body.find("/" + server.Prefix() + "/events"), std::string::npos);
  EXPECT_NE(reply.body.find("pagehide"), std::string::npos);
  // Never written into the file on disk.
  EXPECT_EQ(folder.Read("html/start.htm"), "<html><body><p>Welcome</p></body></html>");

  // A page in a folder with spaces in its names, and a symbolic link that
  // stays inside the html folder.
  EXPECT_EQ(Get(Html("sub%20dir/page%20two.htm"), "document").status, 200);
  EXPECT_EQ(Get(Html("alias.htm"), "document").status, 200);
  EXPECT_EQ(events.urls.size(), 3u);
}

TEST_F(ServerTest, OnlyDocumentsAreNavigations) {
  // The picture of a throw to Player 3 is never a throw.
  Reply gif = Get(Html("2to3.gif"), "image");
  EXPECT_EQ(gif.status, 200);
  EXPECT_EQ(gif.body, folder.Read("html/2to3.gif"));
  EXPECT_EQ(gif.headers[http::field::content_type], "image/gif");
  EXPECT_EQ(Get(Html("style.css"), "style").status, 200);
  EXPECT_EQ(Get(Html("2to3.htm"), "iframe").status, 404);
  EXPECT_EQ(Get(Html("script.js"), "script").status, 404);
  // Without Sec-Fetch-Dest the Accept header decides.
  EXPECT_EQ(Send(Request(server.Port(), Html("2to3.gif"), "", "GET", "Accept: image/*\r\n")).status,
            200);
  EXPECT_TRUE(events.urls.empty());
  Send(Request(server.Port(), Html("start.htm"), "", "GET", "Accept: TEXT/HTML, */*\r\n"));
  ASSERT_EQ(events.urls.size(), 1u);
  // HEAD is never a navigation, and answers like GET without the body.
  const Reply get = Get(Html("start.htm"), "document");
  const Reply head = Send(Request(server.Port(), Html("start.htm"), "document", "HEAD"), true);
  EXPECT_EQ(events.urls.size(), 2u);
  EXPECT_EQ(head.status, 200);
  EXPECT_TRUE(head.body.empty());
  EXPECT_EQ(head.headers[http::field::content_length], std::to_string(get.body.size()));
}

TEST_F(ServerTest, StopAnswers204AndStopWithNavigateAnswers303) {
  events.on_navigate = [&](const std::string& url) {
    if (url.find("2to3") != std::string::npos) {
      server.Stop();
      server.Navigate2(folder.Html() / "quindle.htm");
    } else if (url.find("2to2") != std::string::npos) {
      server.Stop();
    }
  };
  const Reply thrown = Get(Html("2to3.htm"), "document");
  EXPECT_EQ(thrown.status, 303);
  EXPECT_EQ(thrown.headers[http::field::location], Html("quindle.htm"));
  EXPECT_EQ(thrown.headers[http::field::cache_control], "no-store");
  const Reply stopped = Get(Html("2to2.htm"), "document");
  EXPECT_EQ(stopped.status, 204);
  EXPECT_TRUE(stopped.body.empty());
  // The redirected page raises its own event and is served.
  const Reply page = Get(Html("quindle.htm"), "document");
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(events.urls.size(), 3u);
  // Stop outside a document request changes nothing for the next one.
  server.Stop();
  EXPECT_EQ(Get(Html("start.htm"), "document").status, 200);
  // No page stream was opened for any of this.
  EXPECT_EQ(server.OpenStreams(), 0u);
}

TEST_F(ServerTest, MissingPageGetsNotFoundPageWithScript) {
  const Reply reply = Get(Html("nowhere.htm"), "document");
  EXPECT_EQ(reply.status, 404);
  EXPECT_EQ(events.urls.size(), 1u);  // throw targets do not exist on disk either
  EXPECT_NE(reply.body.find("new EventSource"), std::string::npos);
  EXPECT_EQ(reply.headers[http::field::cache_control], "no-store");
  const Reply picture = Get(Html("nowhere.gif"), "image");
  EXPECT_EQ(picture.status, 404);
  EXPECT_EQ(picture.body.find("EventSource"), std::string::npos);
}

TEST_F(ServerTest, RefusesWhatIsNotForIt) {
  const std::uint16_t port = server.Port();
  for (const char* method : {"POST", "PUT", "DELETE", "OPTIONS", "PATCH", "TRACE"}) {
    const Reply reply =
        Send(Request(port, Html("2to3.htm"), "document", method, "Content-Length: 0\r\n"));
    EXPECT_EQ(reply.status, 403) << method;
  }
  // Other hosts: a page elsewhere that resolves its name to this machine.
  for (const std::string& host : std::vector<std::string>{
           "evil.example:" + std::to_string(port), "127.0.0.1:" + std::to_string(port + 1),
           "127.0.0.1", "localhost.evil:" + std::to_string(port)}) {
    const std::string raw = "GET " + Html("start.htm") + " HTTP/1.1\r\nHost: " + host +
                            "\r\nSec-Fetch-Dest: document\r\nConnection: close\r\n\r\n";
    EXPECT_EQ(Send(raw).status, 403) << host;
  }
  EXPECT_EQ(Send("GET " + Html("start.htm") +
                 " HTTP/1.1\r\nSec-Fetch-Dest: document\r\nConnection: close\r\n\r\n")
                .status,
            403);
  const std::string localhost = "GET " + Html("start.htm") + " HTTP/1.1\r\nHost: LocalHost:" +
                                std::to_string(port) +
                                "\r\nSec-Fetch-Dest: document\r\nConnection: close\r\n\r\n";
  EXPECT_EQ(Send(localhost).status, 200);

  // Outside the prefix, or another run's prefix.
  EXPECT_EQ(Get("/html/start.htm", "document").status, 404);
  EXPECT_EQ(Get("/" + std::string(32, 'a') + "/html/start.htm", "document").status, 404);
  EXPECT_EQ(Get("/" + server.Prefix() + "/start.htm", "document").status, 404);
  EXPECT_EQ(Get("/" + server.Prefix() + "x/html/start.htm", "document").status, 404);
  // Out of the html folder by "..", escaped or not, or by symbolic links.
  for (const std::string& target : std::vector<std::string>{Html("../secret.txt"), Html("%2e%2e/secret.txt"), Html("sub%20dir/..%2f..%2fsecret.txt"),
        Html("..%5csecret.txt"), Html("leak.htm"), Html("up/secret.txt"), Html("%zz.htm"),
        Html("start.htm%00.gif")}) {
    const Reply reply = Get(target, "document");
    EXPECT_EQ(reply.status, 404) << target;
    EXPECT_EQ(reply.body.find("not for the browser"), std::string::npos) << target;
  }
  // Requests larger than the limits.
  EXPECT_EQ(Send(Request(port, Html("start.htm"), "document", "GET",
                         "X-Filler: " + std::string(20000, 'x') + "\r\n"))
                .status,
            413);
  const Reply body = Send(Request(port, Html("start.htm"), "document", "GET",
                                  "Content-Length: 100000\r\n") +
                          std::string(100000, 'b'));
  EXPECT_TRUE(body.closed || body.status == 413);
  // None of it reached the game.
  EXPECT_EQ(events.urls.size(), 1u);  // only the localhost request
}

// Reads SSE messages from a raw stream until `count` navigate events came or
// the time is up; returns the "id data" pairs.
std::vector<std::string> ReadNavigations(tcp::socket& socket, std::size_t count,
                                         std::chrono::milliseconds limit) {
  std::vector<std::string> found;
  std::string text;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  socket.non_blocking(true);
  while (found.size() < count && std::chrono::steady_clock::now() < deadline) {
    char buffer[1024];
    boost::system::error_code ec;
    const std::size_t n = socket.read_some(boost::asio::buffer(buffer), ec);
    if (ec == boost::asio::error::would_block) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    if (ec) break;
    text.append(buffer, n);
    std::size_t end;
    while ((end = text.find("\n\n")) != std::string::npos) {
      const std::string message = text.substr(0, end);
      text.erase(0, end + 2);
      std::smatch m;
      if (std::regex_search(message, m, std::regex("id: (\\d+)\nevent: navigate\ndata: (.*)"))) {
        found.push_back(m[1].str() + " " + m[2].str());
      }
    }
  }
  return found;
}

TEST_F(ServerTest, NavigationsArePushedWithSequenceNumbers) {
  // A page served before any navigation starts from 0.
  const Reply start = Get(Html("start.htm"), "document");
  EXPECT_NE(start.body.find("var seq = 0,"), std::string::npos);

  boost::asio::io_context client_io;
  tcp::socket stream(client_io);
  stream.connect(tcp::endpoint(boost::asio::ip::make_address_v4("127.0.0.1"), server.Port()));
  boost::asio::write(stream, boost::asio::buffer(Request(server.Port(),
                                                         "/" + server.Prefix() + "/events?seq=0",
                                                         "empty")));
  ASSERT_TRUE(SpinUntil(io, [&] { return server.OpenStreams() == 1; }));
  server.Navigate2(folder.Html() / "quindle.htm");
  server.Navigate2(folder.Root() / "html" / "sub dir" / "page two.htm");
  auto got = std::async(std::launch::async, [&] {
    return ReadNavigations(stream, 2, std::chrono::milliseconds(3000));
  });
  EXPECT_EQ(RunUntil(io, got),
            (std::vector<std::string>{"1 " + Html("quindle.htm"),
                                      "2 " + Html("sub%20dir/page%20two.htm")}));
  EXPECT_TRUE(events.urls.size() == 1u);  // pushing raises nothing by itself

  // A page requested for the first navigation after the second was issued
  // (it was still loading) starts from 1, so its stream sends it on at once.
  const Reply late = Get(Html("quindle.htm"), "document");
  EXPECT_NE(late.body.find("var seq = 1,"), std::string::npos);
  tcp::socket second(client_io);
  second.connect(tcp::endpoint(boost::asio::ip::make_address_v4("127.0.0.1"), server.Port()));
  boost::asio::write(second, boost::asio::buffer(Request(
                                 server.Port(), "/" + server.Prefix() + "/events?seq=1", "empty")));
  auto caught_up = std::async(std::launch::async, [&] {
    return ReadNavigations(second, 1, std::chrono::milliseconds(3000));
  });
  EXPECT_EQ(RunUntil(io, caught_up),
            (std::vector<std::string>{"2 " + Html("sub%20dir/page%20two.htm")}));
  // An up-to-date page (the browser's own reconnection) is sent nothing.
  const Reply current = Get(Html("sub%20dir/page%20two.htm"), "document");
  EXPECT_NE(current.body.find("var seq = 2,"), std::string::npos);
  tcp::socket third(client_io);
  third.connect(tcp::endpoint(boost::asio::ip::make_address_v4("127.0.0.1"), server.Port()));
  boost::asio::write(third, boost::asio::buffer(Request(server.Port(),
                                                        "/" + server.Prefix() + "/events",
                                                        "empty", "GET", "Last-Event-ID: 2\r\n")));
  auto nothing = std::async(std::launch::async, [&] {
    return ReadNavigations(third, 1, std::chrono::milliseconds(300));
  });
  EXPECT_TRUE(RunUntil(io, nothing).empty());
  ASSERT_TRUE(SpinUntil(io, [&] { return server.OpenStreams() == 3; }));
  EXPECT_EQ(server.MaxOpenStreams(), 3u);

  // Pages that go away are noticed.
  stream.close();
  second.close();
  EXPECT_TRUE(SpinUntil(io, [&] { return server.OpenStreams() == 1; }));
  server.Quit();
  EXPECT_TRUE(SpinUntil(io, [&] { return server.OpenStreams() == 0; }));
}

}  // namespace
