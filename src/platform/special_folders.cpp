#include "platform/special_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/process.h"

namespace zol::platform {
namespace {

std::string Home() {
  std::string home = GetEnv("HOME").value_or("");
  if (!home.empty()) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/tmp";
}

std::string XdgFolder(const char* variable, const char* fallbackUnderHome) {
  std::string value = GetEnv(variable).value_or("");
  // The rules ignore relative values.
  if (!value.empty() && value[0] == '/') return value;
  return Home() + "/" + fallbackUnderHome;
}

}  // namespace

std::string UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }
std::string UserDataFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share"); }
std::string SharedDataFolder() { return "/usr/local/share"; }

std::string TempFolder() {
  std::string tmp = GetEnv("TMPDIR").value_or("");
  if (!tmp.empty() && FolderExists(tmp)) {
    while (tmp.size() > 1 && tmp.back() == '/') tmp.pop_back();
    return tmp;
  }
  return "/tmp";
}

std::string ProgramFolder() {
  std::string path = ModulePath();
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool FolderExists(const std::string& path) {
  struct stat st{};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace zol::platform
