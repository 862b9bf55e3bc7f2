// The process tests start this very binary as their child program. With a
// child-mode keyword as first argument it acts out the steps it is given;
// otherwise it runs the tests.
//
//   child STEP...        steps, in order:
//     out:TEXT err:TEXT  write TEXT (with \0 for NUL) to stdout / stderr
//     flood-out:N flood-err:N   write N bytes (a multiple of 100000) as 100-byte lines
//     exit:N  signal:N  sleep  ignore-term  read-stdin
//     grandchild:FILE    start a grandchild that writes its pid to FILE and
//                        sleeps forever, holding stdout and stderr open
//   echo-args ARG...     print each argument on a line of its own

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {

void WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written <= 0) std::_Exit(120);
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

// Only NUL cannot travel inside an argument.
std::string WithNuls(std::string text) {
  for (std::size_t at; (at = text.find("\\0")) != std::string::npos;) text.replace(at, 2, 1, '\0');
  return text;
}

// Lines of 99 'x' and a line feed, written 100000 bytes at a time.
void Flood(int fd, long long bytes) {
  std::string block;
  for (int i = 0; i < 1000; ++i) block += std::string(99, 'x') + '\n';
  for (; bytes > 0; bytes -= static_cast<long long>(block.size())) WriteAll(fd, block);
}

[[noreturn]] void SleepForever() {
  for (;;) pause();
}

void StartGrandchild(const std::string& pidFile) {
  if (fork() != 0) return;
  const std::string temporary = pidFile + ".tmp";
  std::ofstream(temporary) << getpid();
  std::rename(temporary.c_str(), pidFile.c_str());
  SleepForever();
}

void Step(std::string_view step) {
  const auto colon = step.find(':');
  const std::string_view name = step.substr(0, colon);
  const std::string value(colon == std::string_view::npos ? "" : step.substr(colon + 1));
  if (name == "out") WriteAll(STDOUT_FILENO, WithNuls(value));
  if (name == "err") WriteAll(STDERR_FILENO, WithNuls(value));
  if (name == "flood-out") Flood(STDOUT_FILENO, std::stoll(value));
  if (name == "flood-err") Flood(STDERR_FILENO, std::stoll(value));
  if (name == "exit") std::_Exit(std::stoi(value));
  if (name == "signal") raise(std::stoi(value));
  if (name == "sleep") SleepForever();
  if (name == "ignore-term") signal(SIGTERM, SIG_IGN);
  if (name == "grandchild") StartGrandchild(value);
  if (name == "read-stdin") {
    char buffer[64];
    WriteAll(STDOUT_FILENO, std::to_string(read(STDIN_FILENO, buffer, sizeof buffer)) + '\n');
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (mode == "child") {
    for (int i = 2; i < argc; ++i) Step(argv[i]);
    return 0;
  }
  if (mode == "echo-args") {
    for (int i = 2; i < argc; ++i) WriteAll(STDOUT_FILENO, std::string(argv[i]) + '\n');
    return 0;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
