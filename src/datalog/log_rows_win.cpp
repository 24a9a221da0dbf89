#include "datalog/log_rows.hpp"

#include <windows.h>
// After windows.h.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/file_lock.hpp"
#include "platform/win32_text.hpp"

namespace datalog {
namespace {

std::string Reason(int error_number) { return std::strerror(error_number); }

// A log file open for appending, shared so that other stations can append too.
int OpenForAppend(const std::filesystem::path& file, bool create_new, bool read) {
  int fd = -1;
  const int flags = (read ? _O_RDWR : _O_WRONLY) | _O_APPEND | _O_BINARY | _O_NOINHERIT |
                    (create_new ? _O_CREAT | _O_EXCL : 0);
  if (::_wsopen_s(&fd, file.c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0) return -1;
  return fd;
}

// The whole of the file `handle` of `size` bytes.
std::string ReadAll(HANDLE handle, LONGLONG size) {
  std::string text(static_cast<std::size_t>(size), '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(got & 0xffffffffu);
    at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(got) >> 32);
    DWORD n = 0;
    if (!::ReadFile(handle, text.data() + got, static_cast<DWORD>(text.size() - got), &n, &at) ||
        n == 0) {
      break;
    }
    got += n;
  }
  text.resize(got);
  return text;
}

// AppendRow's work: `row`, or the row `decide` makes when it is given.
bool Append(const std::filesystem::path& file, std::string_view row, const RowDecision* decide,
            std::string* error, std::chrono::milliseconds lock_wait, std::string_view header) {
  // Made here, or there already: a new file's folder entry is synced too.
  bool created = true;
  int fd = OpenForAppend(file, true, decide != nullptr);
  if (fd < 0 && errno == EEXIST) {
    created = false;
    fd = OpenForAppend(file, false, decide != nullptr);
  }
  if (fd < 0) {
    *error = Reason(errno);
    return false;
  }
  std::string ignored;
  if (created) platform::SyncFolder(file.parent_path(), &ignored);  // not every share can

  // Other stations may append to the same file: one row at a time, each at
  // the true end of the file (which on a network share only the lock assures).
  if (!platform::LockWholeFile(fd, lock_wait, error)) {
    ::_close(fd);
    return false;
  }
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
  LARGE_INTEGER before{};
  const bool have_size = ::GetFileSizeEx(handle, &before) != 0;
  std::optional<std::string> decided;
  if (decide) {
    decided = (*decide)(have_size ? ReadAll(handle, before.QuadPart) : "");
    if (!decided) {
      error->clear();
      ::_close(fd);
      return false;
    }
    row = *decided;
  }
  std::string with_header;
  if (!header.empty() && have_size && before.QuadPart == 0) {
    with_header = std::string(header) + std::string(row);
    row = with_header;
  }
  LARGE_INTEGER end{};
  DWORD written = 0;
  bool ok = ::SetFilePointerEx(handle, {}, &end, FILE_END) &&
            ::WriteFile(handle, row.data(), static_cast<DWORD>(row.size()), &written, nullptr);
  if (!ok) {
    *error = platform::ErrorText(::GetLastError());
  } else if (written != row.size()) {
    *error = "only part of the row could be written (is the disk full?)";
    if (!have_size || !::SetFilePointerEx(handle, before, nullptr, FILE_BEGIN) ||
        !::SetEndOfFile(handle)) {
      *error += "; the part written stays at the end of the file";
    }
    ok = false;
  } else if (!::FlushFileBuffers(handle)) {
    *error = "the row was written but could not be flushed to disk (" +
             platform::ErrorText(::GetLastError()) + ")";
    ok = false;
  }
  // Closing the descriptor drops the lock.
  if (::_close(fd) != 0 && ok) {
    *error = "closing the file failed (" + Reason(errno) + ")";
    ok = false;
  }
  return ok;
}

}  // namespace

bool AppendRow(const std::filesystem::path& file, std::string_view row, std::string* error,
               std::chrono::milliseconds lock_wait, std::string_view header) {
  return Append(file, row, nullptr, error, lock_wait, header);
}

bool AppendDecidedRow(const std::filesystem::path& file, const RowDecision& decide,
                      std::string* error, std::chrono::milliseconds lock_wait,
                      std::string_view header) {
  return Append(file, {}, &decide, error, lock_wait, header);
}

}  // namespace datalog
