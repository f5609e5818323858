#include "platform/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/Text.h"

namespace tv {
namespace {

bool HasExtension(const std::string& path, std::string_view extension) {
  return path.size() >= extension.size() &&
         EqualsNoCase(std::string_view(path).substr(path.size() - extension.size()), extension);
}

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// How Wine's command interpreter names the batch file: by its bare name when it
// lies in the working folder (the interpreter starts there), else on drive Z:,
// where Wine shows the whole Unix tree.
std::string WindowsName(const std::string& path, const std::string& workingFolder) {
  if (path.rfind(workingFolder, 0) == 0 && path.find(kSep, workingFolder.size()) == std::string::npos)
    return path.substr(workingFolder.size());
  std::string name = "Z:" + path;
  for (char& c : name)
    if (c == kSep) c = '\\';
  return name;
}

// Only async-signal-safe calls between fork and exec: the launcher may run
// threads of the toolkit's.
[[noreturn]] void ReportAndExit(int fd) {
  const int error = errno;
  (void)!::write(fd, &error, sizeof error);
  ::_exit(127);
}

void CloseAllBut(int keep) {
  if (keep > 3) ::close_range(3, unsigned(keep - 1), 0);
  ::close_range(unsigned(keep + 1), ~0U, 0);
}

}  // namespace

std::vector<std::string> SplitParameters(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = text.find_first_not_of(' ', pos);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    parts.emplace_back(text.substr(start, end - start));
    pos = end;
  }
  return parts;
}

std::string FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  const std::string_view folders(path);
  std::size_t pos = 0;
  while (pos <= folders.size()) {
    std::size_t end = folders.find(':', pos);
    if (end == std::string_view::npos) end = folders.size();
    // An empty entry would mean the current folder: never trusted here.
    if (end > pos) {
      std::string candidate(folders.substr(pos, end - pos));
      if (candidate.back() != kSep) candidate += kSep;
      candidate += name;
      if (IsExecutableFile(candidate)) return candidate;
    }
    pos = end + 1;
  }
  return {};
}

std::vector<std::string>& WineCandidates() {
  static std::vector<std::string> candidates = {"wine", "wine64", "/usr/lib/wine/wine64"};
  return candidates;
}

std::string FindWine() {
  for (const std::string& candidate : WineCandidates()) {
    const std::string found =
        candidate.front() == kSep ? (IsExecutableFile(candidate) ? candidate : "") : FindOnPath(candidate);
    if (!found.empty()) return found;
  }
  return {};
}

StartPlan PlanStart(FileSystem& fs, const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingFolder) {
  const std::string given = !program.empty() && program.front() == kSep ? program : workingFolder + program;
  const std::string path = fs.Resolve(given);
  if (program.empty() || !fs.FileExists(path)) return {{}, StartFailure::NotFound};

  const std::string head = fs.ReadBytes(path, 0, 4);
  const bool native = head == "\177ELF" || head.rfind("#!", 0) == 0;
  StartPlan plan;
  if (native) {
    if (!IsExecutableFile(path)) return {{}, StartFailure::NotExecutable};
    plan.argv = {path};
  } else if (HasExtension(path, ".exe") || HasExtension(path, ".bat")) {
    const std::string wine = FindWine();
    if (wine.empty()) return {{}, StartFailure::NeedsWine};
    if (HasExtension(path, ".exe"))
      plan.argv = {wine, path};
    else
      plan.argv = {wine, "cmd", "/c", WindowsName(path, workingFolder)};
  } else {
    // The desktop's opener takes a file, not a command line.
    const std::string opener = FindOnPath("xdg-open");
    if (opener.empty()) return {{}, StartFailure::NoOpener};
    return {{opener, path}, StartFailure::None};
  }
  plan.argv.insert(plan.argv.end(), arguments.begin(), arguments.end());
  return plan;
}

StartResult StartDetached(const std::vector<std::string>& argv, const std::string& folder) {
  // Everything the child needs is made before fork: it must not allocate.
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const char* dir = folder.c_str();

  // The exec error comes back through a pipe that a successful exec closes.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return {StartFailure::SystemError, errno};
  const pid_t child = ::fork();
  if (child < 0) {
    const int error = errno;
    ::close(report[0]);
    ::close(report[1]);
    return {StartFailure::SystemError, error};
  }
  if (child == 0) {
    // The middle process ends at once, so the program is adopted by init and
    // never becomes our zombie; its own session keeps it out of our terminal.
    ::close(report[0]);
    ::setsid();
    // _Fork runs no fork handlers, which are not safe in this child.
    const pid_t grandchild = ::_Fork();
    if (grandchild < 0) ReportAndExit(report[1]);
    if (grandchild > 0) ::_exit(0);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &dfl, nullptr);
    CloseAllBut(report[1]);
    if (::chdir(dir) != 0) ReportAndExit(report[1]);
    ::execve(args[0], args.data(), environ);
    ReportAndExit(report[1]);
  }
  ::close(report[1]);
  int error = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  if (got > 0) return {StartFailure::SystemError, error};
  return {};
}

StartResult OpenProgram(FileSystem& fs, const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& workingFolder) {
  const StartPlan plan = PlanStart(fs, program, arguments, workingFolder);
  if (plan.failure != StartFailure::None) return {plan.failure, 0};
  return StartDetached(plan.argv, workingFolder);
}

}  // namespace tv
