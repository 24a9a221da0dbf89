#include <windows.h>

#include <cwchar>
#include <stdexcept>
#include <thread>

#include "platform/win32_text.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace testing_support {
namespace {

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// This process's environment with `name` set to `value`, as CreateProcessW takes it.
std::wstring EnvironmentWith(const std::wstring& name, const std::wstring& value) {
  std::wstring block;
  wchar_t* own = ::GetEnvironmentStringsW();
  for (const wchar_t* e = own; *e != L'\0'; e += std::wcslen(e) + 1) {
    const std::wstring entry = e;
    const bool same = entry.size() > name.size() && entry[name.size()] == L'=' &&
                      ::_wcsnicmp(entry.c_str(), name.c_str(), name.size()) == 0;
    if (!same) block += entry + L'\0';
  }
  ::FreeEnvironmentStringsW(own);
  return block + name + L'=' + value + L'\0';
}

}  // namespace

ProgramRun RunVolleta(const std::vector<std::string>& args, const std::string& input) {
  RunningVolleta running(args, input);
  ProgramRun run;
  run.status = running.Wait();
  run.out = running.Out();
  run.err = running.Err();
  return run;
}

RunningVolleta::RunningVolleta(const std::vector<std::string>& args, const std::string& input) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE in_read, in_write, out_read, out_write, err_read, err_write;
  if (!::CreatePipe(&in_read, &in_write, &inherit, 0) ||
      !::CreatePipe(&out_read, &out_write, &inherit, 0) ||
      !::CreatePipe(&err_read, &err_write, &inherit, 0)) {
    throw std::runtime_error("pipe failed");
  }
  for (HANDLE ours : {in_write, out_read, err_read}) {
    ::SetHandleInformation(ours, HANDLE_FLAG_INHERIT, 0);
  }
  std::vector<std::string> argv{VOLLETA_PROGRAM_EXE};
  argv.insert(argv.end(), args.begin(), args.end());
  std::wstring line = platform::CommandLineOf(argv);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in_read;
  startup.hStdOutput = out_write;
  startup.hStdError = err_write;
  PROCESS_INFORMATION info{};
  home_ = NewTempFolder("volleta-home-");
  std::wstring environment = EnvironmentWith(L"APPDATA", ConfigFolder(home_).wstring());
  const BOOL started = ::CreateProcessW(
      platform::Wide(argv[0]).c_str(), line.data(), nullptr, nullptr, TRUE,
      CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &info);
  for (HANDLE theirs : {in_read, out_write, err_write}) ::CloseHandle(theirs);
  out_.handle = reinterpret_cast<std::intptr_t>(out_read);
  err_.handle = reinterpret_cast<std::intptr_t>(err_read);
  if (!started) throw std::runtime_error("could not start " + argv[0]);
  ::CloseHandle(info.hThread);
  process_ = reinterpret_cast<std::intptr_t>(info.hProcess);
  DWORD written = 0;
  // A program that ends before reading its input (a refused start-up) has
  // closed its end: that is an answer for the test to check.
  const bool wrote =
      ::WriteFile(in_write, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
  const DWORD error = wrote ? 0 : ::GetLastError();
  if ((wrote && written != input.size()) ||
      (!wrote && error != ERROR_BROKEN_PIPE && error != ERROR_NO_DATA)) {
    throw std::runtime_error("could not write the program's input");
  }
  ::CloseHandle(in_write);
}

RunningVolleta::~RunningVolleta() {
  Signal(0);  // any signal ends it
  Wait();
  ::CloseHandle(AsHandle(out_.handle));
  ::CloseHandle(AsHandle(err_.handle));
  ::CloseHandle(AsHandle(process_));
  std::error_code ignored;
  std::filesystem::remove_all(home_, ignored);
}

bool RunningVolleta::Fill(Stream& stream) {
  char buffer[4096];
  DWORD n = 0;
  if (!::ReadFile(AsHandle(stream.handle), buffer, sizeof buffer, &n, nullptr) || n == 0) {
    return false;
  }
  stream.pending.append(buffer, n);
  stream.all.append(buffer, n);
  return true;
}

// Windows has no signals for other processes: every one ends the program at once.
void RunningVolleta::Signal(int /*signal*/) {
  if (!status_) ::TerminateProcess(AsHandle(process_), 1);
}

int RunningVolleta::Wait() {
  if (status_) return *status_;
  // Both at once, so that a full pipe can't hold the program up.
  std::thread err_reader([this] {
    while (Fill(err_)) {
    }
  });
  while (Fill(out_)) {
  }
  err_reader.join();
  ::WaitForSingleObject(AsHandle(process_), INFINITE);
  DWORD code = 0;
  status_ = ::GetExitCodeProcess(AsHandle(process_), &code) ? static_cast<int>(code) : -1;
  return *status_;
}

}  // namespace testing_support
