#include "datalog/log_rows.hpp"

#include <windows.h>
// After windows.h.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/file_lock.hpp"
#include "platform/win32_text.hpp"

namespace datalog {
namespace {

std::string Reason(int error_number) { return std::strerror(error_number); }

// A log file open for appending, shared so that other stations can append too.
int OpenForAppend(const std::filesystem::path& file, bool create_new) {
  int fd = -1;
  const int flags =
      _O_WRONLY | _O_APPEND | _O_BINARY | _O_NOINHERIT | (create_new ? _O_CREAT | _O_EXCL : 0);
  if (::_wsopen_s(&fd, file.c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0) return -1;
  return fd;
}

}  // namespace

bool AppendRow(const std::filesystem::path& file, std::string_view row, std::string* error,
               std::chrono::milliseconds lock_wait, std::string_view header) {
  // Made here, or there already: a new file's folder entry is synced too.
  bool created = true;
  int fd = OpenForAppend(file, true);
  if (fd < 0 && errno == EEXIST) {
    created = false;
    fd = OpenForAppend(file, false);
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

}  // namespace datalog
