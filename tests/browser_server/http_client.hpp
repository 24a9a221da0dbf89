#pragma once
// Test helpers: a temporary html folder, a recording event sink, and raw HTTP
// requests to the server on 127.0.0.1, sent from a second thread while the
// test's thread runs the server's loop (so every event handler runs on the
// test's thread).
#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <unistd.h>
#include <vector>

#include "browser/browser.hpp"

namespace browser_test {

namespace fs = std::filesystem;
namespace http = boost::beast::http;
using tcp = boost::asio::ip::tcp;

struct Reply {
  int status = 0;
  std::string body;
  http::fields headers;
  bool closed = false;  // the server hung up without an answer
};

// Sends `raw` (a whole request) and reads one response. `head` for a HEAD
// request, whose answer has no body.
inline Reply SendRaw(std::uint16_t port, const std::string& raw, bool head = false) {
  boost::asio::io_context io;
  tcp::socket socket(io);
  socket.connect(tcp::endpoint(boost::asio::ip::make_address_v4("127.0.0.1"), port));
  boost::beast::error_code ec;
  // The server may answer and hang up before an oversized request is sent.
  boost::asio::write(socket, boost::asio::buffer(raw), ec);
  boost::beast::flat_buffer buffer;
  http::response_parser<http::string_body> parser;
  parser.body_limit(16 * 1024 * 1024);
  parser.skip(head);
  http::read(socket, buffer, parser, ec);
  Reply reply;
  if (ec) {
    reply.closed = true;
    return reply;
  }
  reply.status = static_cast<int>(parser.get().result_int());
  reply.body = parser.get().body();
  for (const auto& field : parser.get()) reply.headers.insert(field.name_string(), field.value());
  return reply;
}

// A request with the headers a browser sends for the given destination.
inline std::string Request(std::uint16_t port, const std::string& target, const std::string& dest,
                           const std::string& method = "GET", const std::string& extra = "") {
  std::string raw = method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                    "\r\n";
  if (!dest.empty()) raw += "Sec-Fetch-Dest: " + dest + "\r\n";
  if (dest == "document") raw += "Accept: text/html,application/xhtml+xml,*/*;q=0.8\r\n";
  if (dest == "image") raw += "Accept: image/avif,image/webp,*/*;q=0.8\r\n";
  raw += extra + "Connection: close\r\n\r\n";
  return raw;
}

// Runs the loop until `future` is ready (or 10 s pass).
template <typename T>
T RunUntil(boost::asio::io_context& io, std::future<T>& future) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (future.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
         std::chrono::steady_clock::now() < deadline) {
    io.restart();
    io.run_for(std::chrono::milliseconds(2));
  }
  return future.get();
}

// Runs the loop for a while.
inline void Spin(boost::asio::io_context& io, std::chrono::milliseconds time) {
  const auto deadline = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < deadline) {
    io.restart();
    io.run_for(std::chrono::milliseconds(2));
  }
}

// Spins until `done()` holds or `limit` passes; returns done().
inline bool SpinUntil(boost::asio::io_context& io, const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    io.restart();
    io.run_for(std::chrono::milliseconds(2));
  }
  return done();
}

class RecordingEvents final : public browser::BrowserEvents {
 public:
  void Sink_BeforeNavigate2(const std::string& URL) override {
    urls.push_back(URL);
    if (on_navigate) on_navigate(URL);
  }
  void Sink_OnQuit() override { ++quits; }

  std::vector<std::string> urls;
  int quits = 0;
  std::function<void(const std::string&)> on_navigate;
};

// A program folder in the temporary folder with html/ pages and pictures, a
// file beside html/ that must never be served, and symbolic links.
class ProgramFolder {
 public:
  ProgramFolder() {
    root_ = fs::temp_directory_path() /
            ("volleta-browser-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
    fs::remove_all(root_);
    fs::create_directories(root_ / "html" / "sub dir");
    Write("html/start.htm", "<html><body><p>Welcome</p></body></html>");
    Write("html/quindle.htm", "<html><body><img src=\"2to3.gif\"></body></html>");
    Write("html/sub dir/page two.htm", "<html><body>two</body></html>");
    Write("html/2to3.gif", std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 13));
    Write("html/style.css", "body { margin: 0 }");
    Write("secret.txt", "not for the browser");
    fs::create_symlink("../secret.txt", root_ / "html" / "leak.htm");
    fs::create_symlink(root_, root_ / "html" / "up");
    fs::create_symlink("start.htm", root_ / "html" / "alias.htm");
  }
  ~ProgramFolder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  void Write(const std::string& rel, const std::string& bytes) {
    std::ofstream(root_ / rel, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& rel) const {
    std::ifstream in(root_ / rel, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  const fs::path& Root() const { return root_; }
  fs::path Html() const { return root_ / "html"; }

 private:
  static int& counter() {
    static int n = 0;
    return n;
  }
  fs::path root_;
};

}  // namespace browser_test
