#include "support/run_program.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "support/program_folder.hpp"

extern char** environ;

namespace testing_support {

ProgramRun RunVolleta(const std::vector<std::string>& args, const std::string& input) {
  RunningVolleta running(args, input);
  ProgramRun run;
  run.status = running.Wait();
  run.out = running.Out();
  run.err = running.Err();
  std::error_code none;
  for (const auto& entry : std::filesystem::directory_iterator(running.TempFolder(), none)) {
    run.temp_left.push_back(entry.path().filename().string());
  }
  return run;
}

RunningVolleta::RunningVolleta(const std::vector<std::string>& args, const std::string& input) {
  int in[2], out[2], err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);

  std::vector<std::string> argv_storage{VOLLETA_PROGRAM_EXE};
  argv_storage.insert(argv_storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argv_storage) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The terminal dialogs, whatever display the test runs under.
  home_ = NewTempFolder("volleta-home-");
  std::filesystem::create_directory(TempFolder());
  std::vector<std::string> env_storage{"HOME=" + home_.string(), "TMPDIR=" + TempFolder().string(),
                                       "XDG_CONFIG_HOME=" + ConfigFolder(home_).string(),
                                       "XDG_CACHE_HOME=" + (home_ / ".cache").string()};
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0 ||
        entry.rfind("HOME=", 0) == 0 || entry.rfind("XDG_CONFIG_HOME=", 0) == 0 ||
        entry.rfind("XDG_CACHE_HOME=", 0) == 0 || entry.rfind("TMPDIR=", 0) == 0) {
      continue;
    }
    env_storage.push_back(entry);
  }
  std::vector<char*> envp;
  for (std::string& e : env_storage) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid = -1;
  const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  process_ = pid;
  for (int fd : {in[0], out[1], err[1]}) ::close(fd);
  out_.handle = out[0];
  err_.handle = err[0];
  if (rc != 0) throw std::runtime_error("could not start " + argv_storage[0]);
  // The input is a few short lines: the pipe takes them at once. A program
  // that ends before reading them (a refused start-up) has closed its end:
  // that is an answer for the test to check, not a signal that kills it.
  static const bool kNoPipeSignal = ::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
  (void)kNoPipeSignal;
  const ssize_t written = ::write(in[1], input.data(), input.size());
  if (written != static_cast<ssize_t>(input.size()) && !(written < 0 && errno == EPIPE)) {
    throw std::runtime_error("could not write the program's input");
  }
  ::close(in[1]);
}

RunningVolleta::~RunningVolleta() {
  Signal(SIGKILL);
  Wait();
  ::close(static_cast<int>(out_.handle));
  ::close(static_cast<int>(err_.handle));
  std::error_code ignored;
  std::filesystem::remove_all(home_, ignored);
}

bool RunningVolleta::Fill(Stream& stream) {
  const int fd = static_cast<int>(stream.handle);
  pollfd ready{fd, POLLIN, 0};
  if (::poll(&ready, 1, 60000) <= 0) return false;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) < 0 && errno == EINTR) {
  }
  if (n <= 0) return false;
  stream.pending.append(buffer, static_cast<std::size_t>(n));
  stream.all.append(buffer, static_cast<std::size_t>(n));
  return true;
}

void RunningVolleta::Signal(int signal) {
  if (!status_) ::kill(static_cast<pid_t>(process_), signal);
}

int RunningVolleta::Wait() {
  if (status_) return *status_;
  // Both at once, so that a full pipe can't hold the program up.
  pollfd fds[] = {{static_cast<int>(out_.handle), POLLIN, 0},
                  {static_cast<int>(err_.handle), POLLIN, 0}};
  Stream* streams[] = {&out_, &err_};
  while ((fds[0].fd >= 0 || fds[1].fd >= 0) && ::poll(fds, 2, 60000) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents != 0 && !Fill(*streams[i])) fds[i].fd = -1;
    }
  }
  int status = 0;
  while (::waitpid(static_cast<pid_t>(process_), &status, 0) < 0 && errno == EINTR) {
  }
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return *status_;
}

}  // namespace testing_support
