#pragma once
// The real volleta executable running beside the test: its standard output
// and error read line by line as it writes them, for tests that act on what
// the program reports (a throw to the subject, the end of the game).
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

class RunningVolleta {
 public:
  RunningVolleta(const std::vector<std::string>& args, const std::string& input);
  ~RunningVolleta();  // kills the program if it is still running
  RunningVolleta(const RunningVolleta&) = delete;
  RunningVolleta& operator=(const RunningVolleta&) = delete;

  // The next line of standard output or error, without its end; nullopt at
  // the end of the stream or after a minute without one (a hang).
  std::optional<std::string> OutLine();
  std::optional<std::string> ErrLine();
  // Everything read from standard error so far, and the rest once Wait returned.
  const std::string& Err() const { return err_.all; }

  void Signal(int signal);
  // Waits for the exit: its status, or -1 when it did not exit normally.
  int Wait();

 private:
  struct Stream {
    int fd = -1;
    std::string pending;  // read, not yet returned as a line
    std::string all;
  };
  static std::optional<std::string> Line(Stream& stream);

  pid_t pid_ = -1;
  Stream out_, err_;
  std::optional<int> status_;
};

}  // namespace testing_support
