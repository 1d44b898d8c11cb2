#include "platform/process.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <mutex>

namespace zol::platform {

std::string ModulePath() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  return std::string(buf, size_t(n));
}

uint32_t CurrentThreadId() { return uint32_t(syscall(SYS_gettid)); }

void DebugOutput(std::string_view text) {
  // One write per line so that lines from several threads do not interleave.
  std::string line(text);
  line.push_back('\n');
  fwrite(line.data(), 1, line.size(), stderr);
  fflush(stderr);
}

std::optional<std::string> GetEnv(const char* name) {
  const char* v = getenv(name);
  if (!v) return std::nullopt;
  return std::string(v);
}

bool FileExists(const std::string& path) {
  struct stat st{};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void ExitProcessNow(int code) {
  fflush(nullptr);
  _exit(code);
}

}  // namespace zol::platform
