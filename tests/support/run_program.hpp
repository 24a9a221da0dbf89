#pragma once
// Runs the real volleta executable as a child process with the given
// arguments and standard input, and collects its output and exit status. The
// program never sees the user's own settings: it is given a home folder of its
// own, and the test's program folder's settings folder or one in its home.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
  // What the program left in the temporary folder it was given (POSIX: its
  // TMPDIR, inside its own home), by name.
  std::vector<std::string> temp_left;
};

ProgramRun RunVolleta(const std::vector<std::string>& args, const std::string& input = "");

// The program running beside the test, its output read line by line as it
// comes, for tests that act on what it reports (a throw, the end of a game).
class RunningVolleta {
 public:
  RunningVolleta(const std::vector<std::string>& args, const std::string& input);
  ~RunningVolleta();  // kills the program if it is still running
  RunningVolleta(const RunningVolleta&) = delete;
  RunningVolleta& operator=(const RunningVolleta&) = delete;

  // The next line, without its end; nullopt at the end of the stream or
  // (POSIX) after a minute without one (a hang).
  std::optional<std::string> OutLine() { return Line(out_); }
  std::optional<std::string> ErrLine() { return Line(err_); }
  void Signal(int signal);
  // Reads both streams to their end and waits for the exit: its status, or
  // -1 when it did not exit normally.
  int Wait();
  // Everything written so far (all of it once Wait returned).
  const std::string& Out() const { return out_.all; }
  const std::string& Err() const { return err_.all; }
  std::filesystem::path TempFolder() const { return home_ / "tmp"; }

 private:
  struct Stream {
    std::intptr_t handle = -1;  // a descriptor, or a Windows pipe HANDLE
    std::string pending;        // read, not yet returned as a line
    std::string all;
  };
  static bool Fill(Stream& stream);
  static std::optional<std::string> Line(Stream& stream);

  // The program's own home, removed with it; and its per-user settings folder.
  static std::filesystem::path ConfigFolder(const std::filesystem::path& home);
  std::filesystem::path home_;
  std::intptr_t process_ = -1;  // a pid, or a Windows process HANDLE
  Stream out_, err_;
  std::optional<int> status_;
};

}  // namespace testing_support
