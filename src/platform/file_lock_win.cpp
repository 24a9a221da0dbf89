#include "platform/file_lock.hpp"

#include <io.h>
#include <windows.h>

#include "platform/win32_text.hpp"

namespace platform {

bool LockWholeFile(int fd, std::chrono::milliseconds wait, std::string* error) {
  const auto file = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
  if (file == INVALID_HANDLE_VALUE) {
    *error = "it could not be locked (not an open file)";
    return false;
  }
  return RetryLock(
      [&](std::string* why) {
        OVERLAPPED whole{};  // from offset 0, for the largest length there is
        if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                         MAXDWORD, &whole)) {
          return LockAttempt::kTaken;
        }
        const DWORD code = ::GetLastError();
        if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return LockAttempt::kBusy;
        *why = "it could not be locked (" + ErrorText(code) + ")";
        return LockAttempt::kFailed;
      },
      wait, error);
}

bool SyncFolder(const std::filesystem::path& folder, std::string* error) {
  // A folder's entries are flushed through a handle of the folder itself.
  HANDLE handle = ::CreateFileW(folder.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE || !::FlushFileBuffers(handle)) {
    *error = ErrorText(::GetLastError());
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    return false;
  }
  ::CloseHandle(handle);
  return true;
}

}  // namespace platform
