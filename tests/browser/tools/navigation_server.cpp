// The program's page server on its own, for the navigation tests in a real
// browser. Usage: navigation_server HTML_FOLDER
//
// Prints, one per line on standard output:
//   url URL                  the html folder's address, once at start
//   navigate URL             every before-navigate event
//   streams N                whenever the number of open page streams changes
//   max-streams N            in answer to "stats"
// Reads commands, one per line, on standard input:
//   push FILE                Navigate2 to FILE in the html folder, outside a request
//   stats                    print max-streams
// A navigation to a page whose name holds "2to" is stopped and sent on to the
// page named by "redirect FILE" (303); one whose name holds "halt" is only
// stopped (204). End of input ends the server.
#include <unistd.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/posix/stream_descriptor.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/streambuf.hpp>
#include <functional>
#include <filesystem>
#include <iostream>
#include <string>

#include "browser/server.hpp"

namespace {

class Events final : public browser::BrowserEvents {
 public:
  void Sink_BeforeNavigate2(const std::string& URL) override {
    std::cout << "navigate " << URL << std::endl;
    if (URL.find("2to") != std::string::npos) {
      server->Stop();
      server->Navigate2(html / redirect);
    } else if (URL.find("halt") != std::string::npos) {
      server->Stop();
    }
  }
  void Sink_OnQuit() override {}

  browser::Server* server = nullptr;
  std::filesystem::path html;
  std::string redirect = "index.htm";
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: navigation_server HTML_FOLDER" << std::endl;
    return 2;
  }
  boost::asio::io_context io;
  Events events;
  events.html = std::filesystem::absolute(argv[1]);
  browser::Server server(io, events, events.html);
  events.server = &server;
  server.OnStreamsChanged([](std::size_t n) { std::cout << "streams " << n << std::endl; });
  std::cout << "url " << server.Origin() << "/" << server.Prefix() << "/html/" << std::endl;

  boost::asio::posix::stream_descriptor input(io, ::dup(STDIN_FILENO));
  boost::asio::streambuf buffer;
  std::function<void()> read_command = [&] {
    boost::asio::async_read_until(input, buffer, '\n', [&](boost::system::error_code ec, std::size_t) {
      if (ec) {
        io.stop();
        return;
      }
      std::istream in(&buffer);
      std::string line;
      std::getline(in, line);
      if (line.rfind("push ", 0) == 0) {
        server.Navigate2(events.html / line.substr(5));
      } else if (line.rfind("redirect ", 0) == 0) {
        events.redirect = line.substr(9);
      } else if (line == "stats") {
        std::cout << "max-streams " << server.MaxOpenStreams() << std::endl;
      }
      read_command();
    });
  };
  read_command();
  io.run();
  return 0;
}
