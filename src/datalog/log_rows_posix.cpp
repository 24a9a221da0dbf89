#include "datalog/log_rows.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/file_lock.hpp"

namespace datalog {
namespace {

std::string Reason(int error_number) { return std::strerror(error_number); }

// The whole of the open file `fd` of `size` bytes.
std::string ReadAll(int fd, std::size_t size) {
  std::string text(size, '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const ssize_t n = ::pread(fd, text.data() + got, text.size() - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  text.resize(got);
  return text;
}

// AppendRow's work: `row`, or the row `decide` makes when it is given.
bool Append(const std::filesystem::path& file, std::string_view row, const RowDecision* decide,
            std::string* error, std::chrono::milliseconds lock_wait, std::string_view header) {
  const int access = decide ? O_RDWR : O_WRONLY;
  // Made here, or there already: a new file's folder entry is synced too.
  bool created = true;
  int fd;
  do {
    fd = ::open(file.c_str(), access | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) {
      created = false;
      fd = ::open(file.c_str(), access | O_APPEND | O_CLOEXEC);
    }
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    *error = Reason(errno);
    return false;
  }
  std::string ignored;
  if (created) platform::SyncFolder(file.parent_path(), &ignored);  // not every share can

  // Other stations may append to the same file: one row at a time, each at
  // the true end of the file (which on a network share only the lock assures).
  if (!platform::LockWholeFile(fd, lock_wait, error)) {
    ::close(fd);
    return false;
  }
  struct stat before {};
  const bool have_size = ::fstat(fd, &before) == 0;
  std::optional<std::string> decided;
  if (decide) {
    decided = (*decide)(have_size ? ReadAll(fd, static_cast<std::size_t>(before.st_size)) : "");
    if (!decided) {
      error->clear();
      ::close(fd);
      return false;
    }
    row = *decided;
  }
  std::string with_header;
  if (!header.empty() && have_size && before.st_size == 0) {
    with_header = std::string(header) + std::string(row);
    row = with_header;
  }
  ssize_t written;
  do {
    written = ::write(fd, row.data(), row.size());
  } while (written < 0 && errno == EINTR);

  bool ok = true;
  if (written < 0) {
    *error = Reason(errno);
    ok = false;
  } else if (static_cast<std::size_t>(written) != row.size()) {
    *error = "only part of the row could be written (is the disk full?)";
    if (have_size && ::ftruncate(fd, before.st_size) != 0) {
      *error += "; the part written stays at the end of the file";
    }
    ok = false;
  } else if (::fsync(fd) != 0) {
    *error = "the row was written but could not be flushed to disk (" + Reason(errno) + ")";
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
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
