#include "support.h"

#include <gmock/gmock.h>
#include <pugixml.hpp>

#include "sim/cleartool/world.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <regex>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace vantry_test {

namespace fs = std::filesystem;

namespace {

constexpr auto kChildDeadline = std::chrono::seconds(120);

bool Inherited(const std::string& entry) {
  const std::string name = entry.substr(0, entry.find('='));
  return name != "HOME" && name != "XDG_CONFIG_HOME" && name != "NO_COLOR" && name != "PATH" &&
         name != "TERM" &&
         name.rfind("VANTRY_", 0) != 0 && name.rfind("CLEARTOOL_SIM_", 0) != 0;
}

void WaitWithDeadline(pid_t pid, TRunOutput& output) {
  const auto deadline = std::chrono::steady_clock::now() + kChildDeadline;
  int status = 0;
  struct rusage usage {};
  while (wait4(pid, &status, WNOHANG, &usage) == 0) {
    if (std::chrono::steady_clock::now() > deadline) kill(pid, SIGKILL);  // reaped next round
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  output.maxRssKb = usage.ru_maxrss;
  if (WIFEXITED(status)) output.exitCode = WEXITSTATUS(status);
}

}  // namespace

TSandbox::TSandbox() : root_(temp_.Path()) {
  ResetWorld();
  ctsim::World().Load(Path("demo.xml"));  // lays out the view folders
  fs::create_directories(Path("home"));
  fs::create_directories(Path("config"));
  env_ = {{"HOME", Path("home")},
          {"XDG_CONFIG_HOME", Path("config")},
          {"PATH", "/usr/bin:/bin"},
          {"VANTRY_OPTIONS", OptionsFile()},
          {"VANTRY_USER_INI", Path("config/user.ini")},
          {"VANTRY_PLUGIN_PATH", VANTRY_PLUGIN_FOLDER},
          {"CLEARTOOL_SIM_WORLD", Path("demo.xml")},
          {"CLEARTOOL_SIM_JOURNAL", JournalFile()}};
}

void TSandbox::ResetWorld() const {
  const fs::path worlds = fs::path(VANTRY_SOURCE_DIR) / "examples/worlds";
  fs::copy_file(worlds / "demo.xml", Path("demo.xml"), fs::copy_options::overwrite_existing);
}

pid_t TSandbox::Start(const std::vector<std::string>& arguments, TStreams streams,
                      int* terminal) const {
  std::vector<std::string> argv{VANTRY_EXE};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return Spawn(std::move(argv), root_, streams, terminal);
}

TRunOutput TSandbox::Vantry(const std::vector<std::string>& arguments, TStreams streams) const {
  int terminal = -1;
  const pid_t pid = Start(arguments, streams, &terminal);
  return Finish(pid, streams, terminal);
}

TRunOutput TSandbox::Shell(const std::string& script, const std::string& dir) const {
  return Finish(Spawn({"/bin/bash", "-euo", "pipefail", "-c", script}, dir, TStreams::Apart,
                      nullptr));
}

pid_t TSandbox::Spawn(std::vector<std::string> argv, const std::string& dir, TStreams streams,
                      int* terminalOut) const {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (Inherited(*entry)) env.emplace_back(*entry);
  }
  for (const auto& [name, value] : env_) env.push_back(name + "=" + value);
  const auto pointers = [](std::vector<std::string>& texts) {
    std::vector<char*> list;
    for (std::string& text : texts) list.push_back(text.data());
    list.push_back(nullptr);
    return list;
  };

  const std::string outFile = Path(".stdout"), errFile = Path(".stderr");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  int terminal = -1;
  if (streams == TStreams::Terminal) {
    terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0) {
      throw std::runtime_error("no pseudo-terminal");
    }
    posix_spawn_file_actions_addopen(&actions, 1, ptsname(terminal), O_RDWR | O_NOCTTY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    if (streams == TStreams::Together) {
      posix_spawn_file_actions_adddup2(&actions, 1, 2);
    } else {
      posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(),
                                       O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
  }
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  // The child starts in this process's memory (posix_spawn shares it until
  // the exec), and the kernel carries its peak into the child's: start that
  // peak afresh, so that the child's figure is its own.
  std::ofstream("/proc/self/clear_refs") << "5";
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers(argv).data(),
                                  pointers(env).data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);
  if (terminalOut != nullptr) *terminalOut = terminal;
  return pid;
}

TRunOutput TSandbox::Finish(pid_t pid, TStreams streams, int terminal) const {
  TRunOutput output;
  WaitWithDeadline(pid, output);
  if (terminal >= 0) {
    // What a short run printed still waits in the terminal's buffer.
    fcntl(terminal, F_SETFL, O_NONBLOCK);
    char buffer[4096];
    for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;) {
      output.out.append(buffer, static_cast<std::size_t>(got));
    }
    close(terminal);
    return output;
  }
  output.out = ReadAll(Path(".stdout"));
  if (streams == TStreams::Apart) output.err = ReadAll(Path(".stderr"));
  return output;
}

void TSandbox::ConfigureOptions() const {
  const TRunOutput output =
      Vantry({"options", "set", "CleartoolPath", CLEARTOOL_EXE, "DefaultViewPath", ViewPath()});
  if (output.exitCode != 0) throw std::runtime_error("options set failed: " + output.err);
}

std::string TSandbox::WriteProject(const std::string& name, const std::vector<TProperty>& variables,
                                   const std::vector<TActionSpec>& actions) const {
  const auto append = [this](pugi::xml_node parent, const char* element, const TProperty& from) {
    pugi::xml_node node = parent.append_child(element);
    node.append_attribute("name") = from.first.c_str();
    node.append_attribute("value") = Resolved(from.second).c_str();
  };
  pugi::xml_document document;
  pugi::xml_node project = document.append_child("VantryProject");
  project.append_attribute("version") = "1";
  pugi::xml_node list = project.append_child("Variables");
  for (const TProperty& variable : variables) append(list, "Variable", variable);
  list = project.append_child("Actions");
  for (const TActionSpec& action : actions) {
    pugi::xml_node node = list.append_child("Action");
    node.append_attribute("type") = action.type.c_str();
    node.append_attribute("description") = action.description.c_str();
    node.append_attribute("enabled") = action.enabled;
    for (const TProperty& property : action.properties) append(node, "Property", property);
  }
  document.save_file(Path(name).c_str());
  return Path(name);
}

TRunOutput TSandbox::Run(const std::vector<TActionSpec>& actions,
                         const std::vector<std::string>& flags,
                         const std::vector<TProperty>& variables) const {
  std::remove(JournalFile().c_str());
  std::vector<std::string> arguments{"run", WriteProject("project.xml", variables, actions)};
  arguments.insert(arguments.end(), flags.begin(), flags.end());
  return Vantry(arguments);
}

std::string TSandbox::Resolved(std::string text) const {
  // The paths put in hold no "$", which alone is special in a replacement.
  text = std::regex_replace(text, std::regex("\\$ROOT"), root_);
  return std::regex_replace(text, std::regex("\\$VIEW"), ViewPath());
}

std::vector<std::string> TSandbox::Resolved(std::vector<std::string> texts) const {
  for (std::string& text : texts) text = Resolved(text);
  return texts;
}

void ExpectBadUsage(const TSandbox& sandbox, const std::vector<std::string>& arguments,
                    const std::string& message) {
  SCOPED_TRACE(::testing::PrintToString(arguments));
  const TRunOutput output = sandbox.Vantry(arguments);
  EXPECT_EQ(output.exitCode, 2) << output.err;
  EXPECT_EQ(output.out, "");
  EXPECT_THAT(output.err, ::testing::HasSubstr(message));
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace vantry_test
