#include "FuzzFiles.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace tv::fuzz {
namespace {

std::string MakeFolder() {
  struct stat st {};
  const char* tmp = std::getenv("TMPDIR");
  std::string base = ::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? "/dev/shm" : (tmp && *tmp ? tmp : "/tmp");
  std::string pattern = base + "/tarvolin-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  return pattern + "/";
}

}  // namespace

const std::string& Folder() {
  // Never destroyed: the clean-up at exit still needs the name.
  static const std::string* const folder = [] {
    auto* made = new std::string(MakeFolder());
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Folder(), ec);
    });
    return made;
  }();
  return *folder;
}

std::string WriteInput(const std::string& name, std::string_view bytes) {
  const std::string path = Folder() + name;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  bool ok = fd >= 0;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    ok = n > 0;
    if (ok) done += std::size_t(n);
  }
  if (fd >= 0) ::close(fd);
  Check(ok, "the input file could not be written");
  return path;
}

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace tv::fuzz
