#pragma once
// What appending to a file shared between machines needs of the system: an
// exclusive lock on the whole file for the length of one append, and folder
// entries flushed to disk. POSIX record locks here (they also hold over NFS
// and SMB mounts); on Windows LockFileEx and FlushFileBuffers.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace platform {

// Takes an exclusive lock on the whole of the open file `fd`, waiting up to
// `wait` while another process (on this machine or another) holds one. The
// lock belongs to this open file and goes with its closing. Returns false with
// the reason in `error` when it could not be had.
bool LockWholeFile(int fd, std::chrono::milliseconds wait, std::string* error);

// Flushes the entries of `folder` to disk, so that a file just created in it
// is still there after a crash or a power cut.
bool SyncFolder(const std::filesystem::path& folder, std::string* error);

// The wait both systems' LockWholeFile share: `attempt` tries once; busy
// tries are repeated until `wait` is over.
enum class LockAttempt { kTaken, kBusy, kFailed };
bool RetryLock(const std::function<LockAttempt(std::string* error)>& attempt,
               std::chrono::milliseconds wait, std::string* error);

}  // namespace platform
