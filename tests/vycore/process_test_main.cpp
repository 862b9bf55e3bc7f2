// The process tests start this very binary as their child program. With a
// child-mode keyword as first argument it acts out the steps it is given;
// otherwise it runs the tests.
//
//   child STEP...        steps, in order:
//     out:TEXT err:TEXT  write TEXT (escapes \n \r \t \0 \\ \xHH) to stdout / stderr
//     flood-out:N flood-err:N   write N bytes as 100-byte lines
//     exit:N  signal:N  sleep  ignore-term  cwd  read-stdin
//     grandchild:FILE    start a grandchild that writes its pid to FILE and
//                        sleeps forever, holding stdout and stderr open
//   echo-args ARG...     print each argument on a line of its own

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

std::string Unescape(std::string_view text) {
  static constexpr std::string_view kNames = "nrt0", kBytes("\n\r\t\0", 4);
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      result += text[i];
    } else if (text[++i] == 'x') {
      result += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      const std::size_t at = kNames.find(text[i]);
      result += at == std::string_view::npos ? text[i] : kBytes[at];
    }
  }
  return result;
}

void Flood(int fd, long long bytes) {
  std::string block;
  for (int i = 0; i < 655; ++i) block += std::string(99, 'x') + '\n';
  for (; bytes >= static_cast<long long>(block.size());
       bytes -= static_cast<long long>(block.size())) {
    WriteAll(fd, block);
  }
  WriteAll(fd, std::string_view(block).substr(0, static_cast<std::size_t>(bytes)));
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
  if (name == "out") WriteAll(STDOUT_FILENO, Unescape(value));
  if (name == "err") WriteAll(STDERR_FILENO, Unescape(value));
  if (name == "flood-out") Flood(STDOUT_FILENO, std::stoll(value));
  if (name == "flood-err") Flood(STDERR_FILENO, std::stoll(value));
  if (name == "exit") std::_Exit(std::stoi(value));
  if (name == "signal") raise(std::stoi(value));
  if (name == "sleep") SleepForever();
  if (name == "ignore-term") signal(SIGTERM, SIG_IGN);
  if (name == "grandchild") StartGrandchild(value);
  if (name == "cwd") WriteAll(STDOUT_FILENO, std::filesystem::current_path().string() + '\n');
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
