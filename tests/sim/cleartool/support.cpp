#include "support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ctsim::test {

namespace fs = std::filesystem;

WorldCopy::WorldCopy(const std::string& name) {
  std::string pattern = (fs::temp_directory_path() / "ctsim-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  dir_ = fs::canonical(pattern).string();
  world_ = dir_ + "/" + name;
  fs::copy_file(std::string(WORLDS_DIR) + "/" + name, world_);
  Run("", {"lsvob", "-short"});  // lays out the view directories
}

WorldCopy::~WorldCopy() {
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

Outcome WorldCopy::Run(const std::string& cwd_rel, const std::vector<std::string>& args) const {
  std::string cwd = cwd_rel.empty() ? dir_ : dir_ + "/" + cwd_rel;
  return Execute(world_, cwd, "tester", args);
}

std::string WorldCopy::Text() const {
  return ReadFile(world_);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

namespace {

void Drain(int fd, std::string& into, bool& open) {
  char buffer[65536];
  ssize_t n = read(fd, buffer, sizeof buffer);
  if (n > 0) {
    into.append(buffer, static_cast<size_t>(n));
  } else if (n == 0 || errno != EINTR) {
    open = false;
  }
}

}  // namespace

ProcessResult RunProgram(const std::vector<std::string>& args, const std::string& cwd,
                         const std::map<std::string, std::string>& env, int timeout_ms) {
  int out[2], err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    if (chdir(cwd.c_str()) != 0) _exit(126);
    for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(CLEARTOOL_BINARY)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(CLEARTOOL_BINARY, argv.data());
    _exit(127);
  }
  setpgid(pid, pid);
  close(out[1]);
  close(err[1]);
  ProcessResult result;
  bool out_open = true, err_open = true;
  auto deadline = start + std::chrono::milliseconds(timeout_ms);
  while (out_open || err_open) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timed_out = true;
      break;
    }
    pollfd fds[2] = {{out_open ? out[0] : -1, POLLIN, 0}, {err_open ? err[0] : -1, POLLIN, 0}};
    if (poll(fds, 2, static_cast<int>(left.count())) <= 0) continue;
    if (fds[0].revents) Drain(out[0], result.out, out_open);
    if (fds[1].revents) Drain(err[0], result.err, err_open);
  }
  if (result.timed_out) kill(-pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  close(out[0]);
  close(err[0]);
  result.millis =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace ctsim::test
