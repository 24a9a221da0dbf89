#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/asio/signal_set.hpp>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "browser/launcher.hpp"
#include "platform/file_io.hpp"
#include "platform/process.hpp"

extern char** environ;

namespace browser {

namespace fs = std::filesystem;

const std::vector<std::string>& KnownBrowsers() {
  static const std::vector<std::string> kBrowsers = {"chromium",       "chromium-browser",
                                                     "google-chrome",  "google-chrome-stable",
                                                     "microsoft-edge", "firefox"};
  return kBrowsers;
}

std::optional<std::string> FindBrowser(const std::string& named) {
  if (!named.empty()) return platform::FindOnPath(named);
  for (const std::string& name : KnownBrowsers()) {
    if (auto found = platform::FindOnPath(name)) return found;
  }
  return std::nullopt;
}

struct Launcher::Process {
  Process(boost::asio::io_context& io, std::function<void(int)> on_exit)
      : child_signal(io, SIGCHLD), on_exit(std::move(on_exit)) {}
  void Watch();
  void Reap();
  void RemoveProfile();

  boost::asio::signal_set child_signal;
  std::function<void(int)> on_exit;
  pid_t pid = -1;
  fs::path profile;
};

Launcher::Launcher(boost::asio::io_context& io, std::function<void(int)> on_exit)
    : process_(std::make_unique<Process>(io, std::move(on_exit))) {}

Launcher::~Launcher() {
  Process& p = *process_;
  if (p.pid > 0) {
    kill(p.pid, SIGTERM);
    int status = 0;
    bool reaped = false;
    for (int i = 0; i < 150 && !reaped; ++i) {
      const pid_t r = waitpid(p.pid, &status, WNOHANG);
      reaped = r == p.pid || (r < 0 && errno != EINTR);
      if (!reaped) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(-p.pid, SIGKILL);  // what is left of the browser's group
    if (!reaped) {
      kill(p.pid, SIGKILL);
      while (waitpid(p.pid, &status, 0) < 0 && errno == EINTR) {
      }
    }
    p.pid = -1;
  }
  boost::system::error_code ignored;
  p.child_signal.cancel(ignored);
  p.RemoveProfile();
}

bool Launcher::Running() const { return process_->pid > 0; }

bool Launcher::Start(const std::string& program, const std::string& url, bool headless,
                     bool fullscreen, std::string* error) {
  Process& p = *process_;
  const auto fail = [error](std::string reason) {
    if (error != nullptr) *error = std::move(reason);
    return false;
  };
  if (p.pid > 0) return fail("a browser is already running");
  p.RemoveProfile();

  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      (tmp != nullptr && *tmp != '\0' ? std::string(tmp) : "/tmp") + "/volleta-profile-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    return fail(std::string("cannot create a browser profile: ") + std::strerror(errno));
  }
  p.profile = pattern;

  const BrowserKind kind = KindOf(program);
  LaunchSettings settings;
  settings.url = url;
  settings.profile = p.profile;
  settings.headless = headless;
  settings.fullscreen = fullscreen;
  settings.as_root = geteuid() == 0;
  if (!headless) {
    if (auto display = platform::QueryXDisplay(); display && !display->window_manager &&
                                                  display->screen.width > 0 &&
                                                  display->screen.height > 0) {
      settings.unmanaged_screen = display->screen;
    }
  }
  if (kind == BrowserKind::kFirefox) WriteFirefoxPreferences(p.profile);

  std::vector<std::string> argv = {program};
  for (std::string& arg : BrowserArguments(kind, settings)) argv.push_back(std::move(arg));
  std::vector<char*> args;
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);

  // The browser's own chatter stays off the program's output, which carries
  // the start page's address in some modes; its own process group keeps a
  // terminal's Ctrl+C for the program, which then closes the browser itself.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  posix_spawnattr_setpgroup(&attr, 0);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attr, &none);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    p.RemoveProfile();
    return fail("cannot start " + program + ": " + std::strerror(rc));
  }
  p.pid = pid;
  // The set was registered before the spawn, so an early exit is not missed.
  p.Watch();
  return true;
}

void Launcher::Terminate() {
  if (process_->pid > 0) kill(process_->pid, SIGTERM);
}

void Launcher::Process::Watch() {
  child_signal.async_wait([this](const boost::system::error_code& ec, int) {
    if (ec) return;
    Reap();
    if (pid > 0) Watch();
  });
}

void Launcher::Process::Reap() {
  if (pid <= 0) return;
  int status = 0;
  pid_t r;
  do {
    r = waitpid(pid, &status, WNOHANG);
  } while (r < 0 && errno == EINTR);
  if (r != pid) return;
  // Helpers the browser left behind (a renderer, a crash handler) would go on
  // writing into the profile while it is removed: they go with it.
  kill(-pid, SIGKILL);
  pid = -1;
  boost::system::error_code ignored;
  child_signal.cancel(ignored);
  RemoveProfile();
  if (on_exit) on_exit(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

void Launcher::Process::RemoveProfile() {
  if (profile.empty()) return;
  std::error_code ec;
  // A helper process may still have been writing into it as it died.
  for (int i = 0; i < 10; ++i) {
    fs::remove_all(profile, ec);
    std::error_code ignored;
    if (!ec && !fs::exists(profile, ignored)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  profile.clear();
}

}  // namespace browser
