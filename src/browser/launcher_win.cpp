#include <windows.h>

#include <boost/asio/windows/object_handle.hpp>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "browser/launcher.hpp"
#include "platform/process.hpp"
#include "platform/win32_text.hpp"

namespace browser {

namespace fs = std::filesystem;

namespace {

struct KnownBrowser {
  std::string name;
  const wchar_t* exe;
  // Below Program Files, Program Files (x86) or the user's Local AppData.
  const wchar_t* folder;
};

const std::vector<KnownBrowser>& Browsers() {
  static const std::vector<KnownBrowser> kBrowsers = {
      {"msedge", L"msedge.exe", L"Microsoft\\Edge\\Application"},
      {"chrome", L"chrome.exe", L"Google\\Chrome\\Application"},
  };
  return kBrowsers;
}

std::optional<fs::path> AppPath(HKEY root, const wchar_t* exe) {
  const std::wstring key =
      std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + exe;
  wchar_t value[MAX_PATH * 2];
  DWORD size = sizeof value;
  if (::RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  fs::path path(value);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  return path;
}

std::optional<fs::path> Installed(const KnownBrowser& browser) {
  for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    if (auto found = AppPath(root, browser.exe)) return found;
  }
  for (const wchar_t* base : {L"ProgramFiles(x86)", L"ProgramFiles", L"LOCALAPPDATA"}) {
    const wchar_t* dir = ::_wgetenv(base);
    if (dir == nullptr || *dir == L'\0') continue;
    const fs::path candidate = fs::path(dir) / browser.folder / browser.exe;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec)) return candidate;
  }
  return std::nullopt;
}

fs::path NewProfileFolder(std::string* error) {
  wchar_t temp[MAX_PATH + 1];
  const DWORD n = ::GetTempPathW(MAX_PATH + 1, temp);
  const fs::path base = n > 0 ? fs::path(std::wstring(temp, n)) : fs::temp_directory_path();
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path folder = base / ("volleta-profile-" + std::to_string(random()));
    if (::CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  *error = "cannot create a browser profile in " + platform::Utf8(base.native()) + ": " +
           platform::ErrorText(::GetLastError());
  return {};
}

// Asks every top-level window of the process to close, as its close box would.
BOOL CALLBACK CloseWindowOf(HWND window, LPARAM process_id) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(process_id) && ::IsWindowVisible(window)) {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

}  // namespace

const std::vector<std::string>& KnownBrowsers() {
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> names;
    for (const KnownBrowser& b : Browsers()) names.push_back(b.name);
    return names;
  }();
  return kNames;
}

std::optional<std::string> FindBrowser(const std::string& named) {
  for (const KnownBrowser& browser : Browsers()) {
    if (!named.empty() && named != browser.name) continue;
    if (auto found = Installed(browser)) return platform::Utf8(found->native());
  }
  if (!named.empty()) return platform::FindOnPath(named);
  return std::nullopt;
}

struct Launcher::Process {
  Process(boost::asio::io_context& io, std::function<void(int)> on_exit)
      : exit_handle(io), on_exit(std::move(on_exit)) {}
  ~Process() {
    if (job != nullptr) ::CloseHandle(job);
  }
  void RemoveProfile();

  // The browser's process; its end is the window's closing.
  boost::asio::windows::object_handle exit_handle;
  std::function<void(int)> on_exit;
  DWORD id = 0;
  bool running = false;
  // Every process the browser starts belongs to this job, which ends them
  // all when it is closed.
  HANDLE job = nullptr;
  fs::path profile;
};

Launcher::Launcher(boost::asio::io_context& io, std::function<void(int)> on_exit)
    : process_(std::make_unique<Process>(io, std::move(on_exit))) {}

Launcher::~Launcher() {
  Process& p = *process_;
  if (p.running) {
    ::EnumWindows(CloseWindowOf, static_cast<LPARAM>(p.id));
    if (::WaitForSingleObject(p.exit_handle.native_handle(), 3000) != WAIT_OBJECT_0) {
      ::TerminateProcess(p.exit_handle.native_handle(), 1);
      ::WaitForSingleObject(p.exit_handle.native_handle(), 5000);
    }
    p.running = false;
  }
  if (p.job != nullptr) {
    ::TerminateJobObject(p.job, 1);
    ::CloseHandle(p.job);
    p.job = nullptr;
  }
  boost::system::error_code ignored;
  p.exit_handle.close(ignored);
  p.RemoveProfile();
}

bool Launcher::Running() const { return process_->running; }

bool Launcher::Start(const std::string& program, const std::string& url, bool headless,
                     bool fullscreen, std::string* error) {
  Process& p = *process_;
  const auto fail = [error](std::string reason) {
    if (error != nullptr) *error = std::move(reason);
    return false;
  };
  if (p.running) return fail("a browser is already running");
  p.RemoveProfile();
  std::string reason;
  p.profile = NewProfileFolder(&reason);
  if (p.profile.empty()) return fail(reason);

  const BrowserKind kind = KindOf(program);
  LaunchSettings settings;
  settings.url = url;
  settings.profile = p.profile;
  settings.headless = headless;
  settings.fullscreen = fullscreen;
  if (kind == BrowserKind::kFirefox) WriteFirefoxPreferences(p.profile);
  std::vector<std::string> argv = {program};
  for (std::string& arg : BrowserArguments(kind, settings)) argv.push_back(std::move(arg));
  std::wstring line = platform::CommandLineOf(argv);

  if (p.job == nullptr) {
    p.job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (p.job != nullptr) {
      ::SetInformationJobObject(p.job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
  }
  // The browser's chatter stays off the program's output (no handles are
  // inherited), and a console's Ctrl+C stays with the program, which then
  // closes the browser itself.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(platform::Wide(program).c_str(), line.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_PROCESS_GROUP | CREATE_SUSPENDED, nullptr, nullptr, &startup,
                        &info)) {
    const DWORD code = ::GetLastError();
    p.RemoveProfile();
    return fail("cannot start " + program + ": " + platform::ErrorText(code));
  }
  if (p.job != nullptr) ::AssignProcessToJobObject(p.job, info.hProcess);
  ::ResumeThread(info.hThread);
  ::CloseHandle(info.hThread);
  p.id = info.dwProcessId;
  p.running = true;
  p.exit_handle.assign(info.hProcess);
  p.exit_handle.async_wait([&p](const boost::system::error_code& ec) {
    if (ec || !p.running) return;
    DWORD code = 0;
    const int exit_code =
        ::GetExitCodeProcess(p.exit_handle.native_handle(), &code) ? static_cast<int>(code) : -1;
    p.running = false;
    boost::system::error_code ignored;
    p.exit_handle.close(ignored);
    // Helpers the browser left behind would keep its profile open.
    if (p.job != nullptr) ::TerminateJobObject(p.job, 0);
    p.RemoveProfile();
    if (p.on_exit) p.on_exit(exit_code);
  });
  return true;
}

void Launcher::Terminate() {
  if (process_->running) ::EnumWindows(CloseWindowOf, static_cast<LPARAM>(process_->id));
}

void Launcher::Process::RemoveProfile() {
  if (profile.empty()) return;
  std::error_code ec;
  // Helper processes may hold files in it for a moment after the browser ends.
  for (int attempt = 0; attempt < 20; ++attempt) {
    fs::remove_all(profile, ec);
    if (!ec) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  profile.clear();
}

}  // namespace browser
