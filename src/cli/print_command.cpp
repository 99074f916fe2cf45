#include "cli/print_command.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "state/bundled_files.h"

extern char** environ;

namespace foresta {
namespace {

// A pipe whose ends close on exec; the child gets its write end as a
// standard stream through dup2, which clears that flag.
struct Pipe {
  int read = -1;
  int write = -1;
  bool Open() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    read = fds[0];
    write = fds[1];
    return true;
  }
  ~Pipe() {
    if (read >= 0) close(read);
    if (write >= 0) close(write);
  }
};

// Copies both pipes to their streams until the child closed them.
void Relay(Pipe& out, Pipe& err, CliStreams io) {
  std::array<pollfd, 2> fds = {pollfd{out.read, POLLIN, 0}, pollfd{err.read, POLLIN, 0}};
  std::array<std::ostream*, 2> streams = {&io.out, &io.err};
  int open = 2;
  char buffer[4096];
  while (open > 0) {
    if (poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        fds[i].fd = -1;  // poll ignores it from now on
        --open;
        continue;
      }
      streams[i]->write(buffer, n);
    }
  }
  io.out.flush();
}

}  // namespace

int RunPrint(const GlobalOptions&, const std::vector<std::string>& args, CliStreams io) {
  const std::string directory = ProgramDirectory();
  const std::filesystem::path program = std::filesystem::path(directory) / kPdfPrintProgram;
  if (directory.empty() || access(program.c_str(), X_OK) != 0) {
    io.err << "foresta-cli: cannot print: " << kPdfPrintProgram << " was not found beside foresta-cli"
           << (directory.empty() ? "" : " in ") << directory
           << "; it is installed with the Foresta window\n";
    return kExitFailure;
  }

  std::vector<char*> argv;
  std::string name = kPdfPrintProgram;
  argv.push_back(name.data());
  std::vector<std::string> copies(args);
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);

  Pipe out, err;
  if (!out.Open() || !err.Open()) {
    io.err << "foresta-cli: cannot print: " << std::strerror(errno) << "\n";
    return kExitFailure;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    io.err << "foresta-cli: cannot run " << program.string() << ": " << std::strerror(spawned) << "\n";
    return kExitFailure;
  }
  // Only the child writes now; the ends close so that its exit ends the relay.
  close(out.write);
  close(err.write);
  out.write = err.write = -1;
  Relay(out, err, io);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      io.err << "foresta-cli: lost " << kPdfPrintProgram << ": " << std::strerror(errno) << "\n";
      return kExitFailure;
    }
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  io.err << "foresta-cli: " << kPdfPrintProgram << " ended by signal " << WTERMSIG(status) << "\n";
  return kExitFailure;
}

}  // namespace foresta
