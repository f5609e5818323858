#include "ProcessMemory.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace tv::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Spawns argv with the given environment; stdout and stderr go to /dev/null
// and, when fd3 >= 0, that descriptor becomes the child's descriptor 3.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, int fd3 = -1) {
  std::vector<char*> args, vars;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const std::string& v : env) vars.push_back(const_cast<char*>(v.c_str()));
  vars.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (fd3 >= 0) posix_spawn_file_actions_adddup2(&actions, fd3, 3);
  pid_t pid = -1;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), vars.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

void End(pid_t pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  ::waitpid(pid, nullptr, 0);
}

int Run(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
  const pid_t pid = Spawn(argv, env);
  int status = -1;
  if (pid > 0) ::waitpid(pid, &status, 0);
  return pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// User and system time of the process, in clock ticks.
long CpuTicks(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));  // the name may hold spaces
  std::string field;
  long ticks = 0;
  for (int i = 3; fields >> field && i <= 15; ++i)
    if (i >= 14) ticks += std::atol(field.c_str());
  return ticks;
}

// Waits until the process has used no processor time for a second.
void WaitQuiet(pid_t pid, Clock::time_point until) {
  long last = -1;
  int quiet = 0;
  while (quiet < 10 && Clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const long now = CpuTicks(pid);
    quiet = now == last ? quiet + 1 : 0;
    last = now;
  }
}

long StatusKb(pid_t pid, const std::string& key) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(in, line);)
    if (line.rfind(key + ":", 0) == 0) return std::atol(line.c_str() + key.size() + 1);
  return -1;
}

}  // namespace

VirtualScreen::VirtualScreen() {
  int report[2];
  if (::pipe(report) != 0) return;
  m_pid = Spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                {"PATH=" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin")}, report[1]);
  ::close(report[1]);
  std::string number;
  pollfd p{report[0], POLLIN, 0};
  char c = 0;
  while (m_pid > 0 && ::poll(&p, 1, 10000) > 0 && ::read(report[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(report[0]);
  if (!number.empty()) m_display = ":" + number;
}

VirtualScreen::~VirtualScreen() { End(m_pid); }

Memory MeasureProgram(const VirtualScreen& screen, const std::string& program, const std::string& home,
                      const std::string& readyTitle) {
  const std::string runtime = home + "/runtime";
  ::mkdir(runtime.c_str(), 0700);
  const std::vector<std::string> env = {
      "DISPLAY=" + screen.Display(), "HOME=" + home,
      "XDG_RUNTIME_DIR=" + runtime,  "XDG_CONFIG_HOME=" + home + "/.config",
      "QT_QPA_PLATFORM=xcb",         "PATH=" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "")};
  Memory memory;
  const pid_t pid = Spawn({program}, env);
  if (pid <= 0) return memory;
  const auto until = Clock::now() + std::chrono::minutes(1);
  bool ready = false;
  bool ended = false;
  while (!ready && !ended && Clock::now() < until) {
    WaitQuiet(pid, until);
    ready = Run({"xdotool", "search", "--onlyvisible", "--name", readyTitle}, env) == 0;
    if (!ready) Run({"xdotool", "key", "Return"}, env);
    ended = ::waitpid(pid, nullptr, WNOHANG) == pid;
  }
  if (ready) memory = {StatusKb(pid, "VmHWM"), StatusKb(pid, "VmRSS")};
  if (!ended) End(pid);
  return memory;
}

}  // namespace tv::bench
