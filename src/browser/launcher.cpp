#include "browser/launcher.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/process.hpp"
#include "platform/file_io.hpp"

extern char** environ;

namespace browser {

namespace fs = std::filesystem;

const std::vector<std::string>& KnownBrowsers() {
  static const std::vector<std::string> kBrowsers = {
      "chromium", "chromium-browser", "google-chrome", "google-chrome-stable", "microsoft-edge",
      "firefox"};
  return kBrowsers;
}

std::string KnownBrowserList() {
  std::string list;
  for (const std::string& name : KnownBrowsers()) list += (list.empty() ? "" : ", ") + name;
  return list;
}

std::optional<std::string> FindBrowser(const std::string& named) {
  if (!named.empty()) return platform::FindOnPath(named);
  for (const std::string& name : KnownBrowsers()) {
    if (auto found = platform::FindOnPath(name)) return found;
  }
  return std::nullopt;
}

BrowserKind KindOf(const std::string& program) {
  const std::string name = fs::path(program).filename().string();
  return name.find("firefox") != std::string::npos ? BrowserKind::kFirefox : BrowserKind::kChromium;
}

std::vector<std::string> BrowserArguments(BrowserKind kind, const LaunchSettings& s) {
  std::vector<std::string> args;
  if (kind == BrowserKind::kFirefox) {
    args = {"-no-remote", "-new-instance", "-profile", s.profile.string()};
    if (s.headless) args.push_back("--headless");
    if (s.unmanaged_screen) {
      args.push_back("--width=" + std::to_string(s.unmanaged_screen->width));
      args.push_back("--height=" + std::to_string(s.unmanaged_screen->height));
    }
    args.push_back("--kiosk");
    args.push_back(s.url);
    return args;
  }
  args = {
      // Its own profile: a second browser on a profile in use would hand its
      // window to the first and exit at once, which would read as a closed window.
      "--user-data-dir=" + s.profile.string(),
      "--no-first-run",
      "--no-default-browser-check",
      "--disable-sync",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-default-apps",
      "--disable-features=Translate,MediaRouter",
      "--disable-session-crashed-bubble",
      "--noerrdialogs",
      "--password-store=basic",
      // No swipe or overscroll back to an earlier page.
      "--overscroll-history-navigation=0",
      // A Wayland session without X is served too.
      "--ozone-platform-hint=auto",
  };
  if (s.as_root) {
    // Chromium refuses to run as root with its sandbox; --test-type keeps the
    // warning bar about it off the participant's screen.
    args.push_back("--no-sandbox");
    args.push_back("--test-type");
  }
  args.push_back("--start-maximized");
  if (s.unmanaged_screen) {
    // Nothing maximises a window without a window manager.
    args.push_back("--window-position=0,0");
    args.push_back("--window-size=" + std::to_string(s.unmanaged_screen->width) + "," +
                   std::to_string(s.unmanaged_screen->height));
  }
  if (s.headless) {
    args.push_back("--headless");
    args.push_back(s.url);
  } else {
    args.push_back("--app=" + s.url);
  }
  return args;
}

Launcher::Launcher(boost::asio::io_context& io, std::function<void(int)> on_exit)
    : child_signal_(io, SIGCHLD), on_exit_(std::move(on_exit)) {}

Launcher::~Launcher() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    bool reaped = false;
    for (int i = 0; i < 150 && !reaped; ++i) {
      const pid_t r = waitpid(pid_, &status, WNOHANG);
      reaped = r == pid_ || (r < 0 && errno != EINTR);
      if (!reaped) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!reaped) {
      kill(-pid_, SIGKILL);
      kill(pid_, SIGKILL);
      while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
      }
    }
    pid_ = -1;
  }
  boost::system::error_code ignored;
  child_signal_.cancel(ignored);
  RemoveProfile();
}

bool Launcher::Start(const std::string& program, const std::string& url, bool headless,
                     std::string* error) {
  const auto fail = [error](std::string reason) {
    if (error != nullptr) *error = std::move(reason);
    return false;
  };
  if (pid_ > 0) return fail("a browser is already running");
  RemoveProfile();

  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = (tmp != nullptr && *tmp != '\0' ? std::string(tmp) : "/tmp") +
                        "/volleta-profile-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    return fail(std::string("cannot create a browser profile: ") + std::strerror(errno));
  }
  profile_ = pattern;

  const BrowserKind kind = KindOf(program);
  LaunchSettings settings;
  settings.url = url;
  settings.profile = profile_;
  settings.headless = headless;
  settings.as_root = geteuid() == 0;
  if (!headless) {
    if (auto display = platform::QueryXDisplay(); display && !display->window_manager &&
                                         display->screen.width > 0 && display->screen.height > 0) {
      settings.unmanaged_screen = display->screen;
    }
  }
  if (kind == BrowserKind::kFirefox) {
    // A new profile would otherwise greet the participant with first-run pages.
    platform::WriteFileBytes(profile_ / "user.js",
                             "user_pref(\"browser.shell.checkDefaultBrowser\", false);\n"
                             "user_pref(\"browser.startup.homepage_override.mstone\", \"ignore\");\n"
                             "user_pref(\"browser.aboutwelcome.enabled\", false);\n"
                             "user_pref(\"datareporting.policy.dataSubmissionEnabled\", false);\n"
                             "user_pref(\"toolkit.telemetry.reportingpolicy.firstRun\", false);\n"
                             "user_pref(\"browser.sessionstore.resume_from_crash\", false);\n");
  }

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
    RemoveProfile();
    return fail("cannot start " + program + ": " + std::strerror(rc));
  }
  pid_ = pid;
  // The set was registered before the spawn, so an early exit is not missed.
  Watch();
  return true;
}

void Launcher::Terminate() {
  if (pid_ > 0) kill(pid_, SIGTERM);
}

void Launcher::Watch() {
  child_signal_.async_wait([this](const boost::system::error_code& ec, int) {
    if (ec) return;
    Reap();
    if (pid_ > 0) Watch();
  });
}

void Launcher::Reap() {
  if (pid_ <= 0) return;
  int status = 0;
  pid_t r;
  do {
    r = waitpid(pid_, &status, WNOHANG);
  } while (r < 0 && errno == EINTR);
  if (r != pid_) return;
  pid_ = -1;
  boost::system::error_code ignored;
  child_signal_.cancel(ignored);
  RemoveProfile();
  if (on_exit_) on_exit_(status);
}

void Launcher::RemoveProfile() {
  if (profile_.empty()) return;
  std::error_code ec;
  fs::remove_all(profile_, ec);
  if (ec) {
    // A helper process may still have been writing into it.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    fs::remove_all(profile_, ec);
  }
  profile_.clear();
}

}  // namespace browser
