// --online-game: one participant's game, played in their own browser through
// a relay (volleta serve) that rewrites Host to this process's loopback port.
#include <chrono>
#include <iostream>
#include <memory>
#include <sstream>

#include "commands/commands.hpp"
#include "platform/dialogs.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace commands {
namespace {

// Nobody is at the terminal: a question gets no answer and a message goes to
// standard error. Put back however the game ends.
struct NoQuestions {
  std::istringstream no_answers;
  std::unique_ptr<platform::Dialogs> dialogs;
  explicit NoQuestions(std::ostream& err)
      : dialogs(platform::MakeTerminalDialogs(no_answers, err)) {
    platform::SetDialogs(dialogs.get());
  }
  ~NoQuestions() { platform::SetDialogs(nullptr); }
};

}  // namespace

bool IsBareOrigin(std::string_view origin) {
  for (std::string_view scheme : {"http://", "https://"}) {
    if (!origin.starts_with(scheme)) continue;
    const std::string_view authority = origin.substr(scheme.size());
    return !authority.empty() && authority.find_first_of("/?#@ \t\r\n") == std::string_view::npos;
  }
  return false;
}

int RunOnlineGame(const Options& options, Streams streams) {
  std::string fault;
  if (Module1::Command.empty()) fault = "the settings file's name";
  if (options.subject.empty()) fault = "--subject ID";
  if (!IsBareOrigin(options.public_origin)) {
    fault = "--public-origin as scheme, host and port only (http://HOST[:PORT] or https://...)";
  }
  if (!fault.empty()) {
    streams.err << "volleta: --online-game needs " << fault << std::endl;
    return platform::kExitInputRefused;
  }
  StartOptions start = options.start;
  // serve waits for the address; nobody sits before a window that opens late.
  start.delay_window = false;
  start.window.no_browser = true;
  start.window.public_origin = options.public_origin;
  start.window.gone_grace = std::chrono::seconds(options.abandon_after);
  start.online = OnlineGame{options.link, options.return_url, options.return_after};
  Module1::SubjectId = options.subject;
  const NoQuestions quiet(streams.err);
  return PlayGame(start);
}

}  // namespace commands
