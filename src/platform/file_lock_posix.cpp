#include "platform/file_lock.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

bool LockWholeFile(int fd, std::chrono::milliseconds wait, std::string* error) {
  // An open-file lock, not a process one: a second descriptor of this process
  // on the same file is refused too, and closing it doesn't drop this lock.
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;  // the whole file, however long it grows
  return RetryLock(
      [&](std::string* why) {
        if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return LockAttempt::kTaken;
        if (errno == EINTR || errno == EAGAIN || errno == EACCES) return LockAttempt::kBusy;
        *why = std::string("it could not be locked (") + std::strerror(errno) + ")";
        return LockAttempt::kFailed;
      },
      wait, error);
}

bool SyncFolder(const std::filesystem::path& folder, std::string* error) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 || ::fsync(fd) != 0) {
    *error = std::strerror(errno);
    if (fd >= 0) ::close(fd);
    return false;
  }
  ::close(fd);
  return true;
}

}  // namespace platform
