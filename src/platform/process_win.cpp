#include "platform/process.hpp"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/win32_text.hpp"

namespace platform {
namespace {

// One argument quoted the way the C runtime's command-line parser reads it back.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, L'\\');
  out.push_back(L'"');
  return out;
}

bool IsFile(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec);
}

}  // namespace

std::wstring CommandLineOf(const std::vector<std::string>& argv) {
  std::wstring line;
  for (const std::string& a : argv) line += (line.empty() ? L"" : L" ") + Quoted(Wide(a));
  return line;
}

std::optional<ProcessResult> RunAndCapture(const std::vector<std::string>& argv) {
  if (argv.empty()) return std::nullopt;
  const std::optional<std::string> program = FindOnPath(argv[0]);
  if (!program) return std::nullopt;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!::CreatePipe(&read_end, &write_end, &inherit, 0)) return std::nullopt;
  ::SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = write_end;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring line = CommandLineOf(argv);
  const BOOL started = ::CreateProcessW(Wide(*program).c_str(), line.data(), nullptr, nullptr, TRUE,
                                        0, nullptr, nullptr, &startup, &process);
  ::CloseHandle(write_end);
  if (!started) {
    ::CloseHandle(read_end);
    return std::nullopt;
  }
  ProcessResult result;
  char buffer[4096];
  DWORD n = 0;
  while (::ReadFile(read_end, buffer, sizeof buffer, &n, nullptr) && n > 0) {
    result.output.append(buffer, n);
  }
  ::CloseHandle(read_end);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  result.exit_status = ::GetExitCodeProcess(process.hProcess, &code) ? static_cast<int>(code) : -1;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return result;
}

std::optional<std::string> FindOnPath(const std::string& name) {
  // A name without an extension is tried with each of PATHEXT's.
  std::vector<std::wstring> extensions = {L""};
  const std::filesystem::path given(Wide(name));
  if (!given.has_extension()) {
    const wchar_t* pathext = ::_wgetenv(L"PATHEXT");
    std::wstringstream list(pathext != nullptr ? pathext : L".COM;.EXE;.BAT;.CMD");
    for (std::wstring ext; std::getline(list, ext, L';');) {
      if (!ext.empty()) extensions.push_back(ext);
    }
  }
  const auto first_of = [&](const std::filesystem::path& base) -> std::optional<std::string> {
    for (const std::wstring& ext : extensions) {
      std::filesystem::path candidate = base;
      candidate += ext;
      if (IsFile(candidate)) return Utf8(candidate.native());
    }
    return std::nullopt;
  };
  if (given.has_parent_path() || given.is_absolute()) return first_of(given);
  const wchar_t* path = ::_wgetenv(L"PATH");
  if (path == nullptr) return std::nullopt;
  std::wstringstream dirs(path);
  for (std::wstring dir; std::getline(dirs, dir, L';');) {
    if (dir.empty()) continue;
    if (auto found = first_of(std::filesystem::path(dir) / given)) return found;
  }
  return std::nullopt;
}

}  // namespace platform
