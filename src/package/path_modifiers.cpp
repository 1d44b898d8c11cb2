#include "package/path_modifiers.h"

#include <mutex>

#include "foundation/case_fold.h"
#include "package/disk_path.h"
#include "package/temp_folders.h"
#include "platform/process.h"
#include "platform/special_folders.h"

namespace zol {
namespace {

std::mutex& ListLock() {
  static std::mutex lock;
  return lock;
}

TPathModifierList& CurrentList() {  // guarded by ListLock()
  static TPathModifierList list = StartupPathModifiers();
  return list;
}

// Makes TARGET absolute against the program folder; each leading "../" climbs.
std::string Absolute(std::string target) {
  if (!target.empty() && target[0] == '/') return target;
  std::string base = platform::ProgramFolder();
  while (target.rfind("../", 0) == 0 || target == "..") {
    target.erase(0, target.size() > 2 ? 3 : 2);
    size_t slash = base.find_last_of('/');
    base = slash == 0 || slash == std::string::npos ? "/" : base.substr(0, slash);
  }
  if (target.rfind("./", 0) == 0) target.erase(0, 2);
  if (target.empty()) return base;
  return base == "/" ? "/" + target : base + "/" + target;
}

}  // namespace

std::string ExpandLeadingSpecialFolder(std::string_view path) {
  if (path.empty() || path[0] != '%') return std::string(path);
  size_t close = path.find('%', 1);
  if (close == std::string_view::npos || close + 1 > 14) return std::string(path);
  std::string token = FoldCaseText(path.substr(0, close + 1));
  std::string folder;
  if (token == "%appdata%") {
    folder = platform::UserConfigFolder();
  } else if (token == "%localappdata%") {
    folder = platform::UserDataFolder();
  } else if (token == "%programdata%") {
    folder = platform::SharedDataFolder();
  } else if (token == "%systemroot%") {
    folder = platform::GetEnv("SYSTEMROOT").value_or("C:\\Windows");
  } else if (token == "%temp%") {
    folder = BaseTempFolder();
  } else {
    return std::string(path);
  }
  size_t rest = close + 1;
  if (rest < path.size() && (path[rest] == '\\' || path[rest] == '/')) ++rest;
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder + std::string(path.substr(rest));
}

int AddPathModifier(TPathModifierList& list, std::string_view token, std::string_view target,
                    bool isDefault) {
  std::string folder = ToDiskPath(ExpandLeadingSpecialFolder(target));
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  list.push_back({FoldCaseText(token), Absolute(folder), isDefault});
  return int(list.size()) - 1;
}

TPathModifierList StartupPathModifiers() {
  TPathModifierList list;
  AddPathModifier(list, "%styles%", "All\\Themes", false);
  AddPathModifier(list, "%styles%", "%LOCALAPPDATA%\\Tavmer\\Styles", true);
  AddPathModifier(list, "%effects%", "All\\Effects", false);
  AddPathModifier(list, "%effects%", "%LOCALAPPDATA%\\Tavmer\\Effects", true);
  return list;
}

void InstallPathModifiers(TPathModifierList list) {
  std::lock_guard guard(ListLock());
  CurrentList() = std::move(list);
}

TPathModifierList InstalledPathModifiers() {
  std::lock_guard guard(ListLock());
  return CurrentList();
}

std::string ApplyPathModifiers(std::string_view original) {
  TPathModifierList list = InstalledPathModifiers();
  std::string path(original);
  size_t scan = 0;
  while (true) {
    size_t open = path.find('%', scan);
    if (open == std::string::npos) break;
    size_t close = path.find('%', open + 1);
    if (close == std::string::npos) break;
    std::string token = FoldCaseText(std::string_view(path).substr(open, close - open + 1));
    std::string head = path.substr(0, open), tail = path.substr(close + 1);
    std::string adopted;
    bool replaced = false;
    for (const TPathModifier& item : list) {
      if (item.token != token) continue;
      std::string candidate = head + item.target + tail;
      std::string_view file = std::string_view(candidate).substr(0, candidate.find('|'));
      if (DiskFileExists(file)) {
        adopted = std::move(candidate), replaced = true;
        break;
      }
      // A default target is taken even when the file is not there, unless a
      // later item has it.
      if (item.isDefault) adopted = std::move(candidate), replaced = true;
    }
    if (replaced) {
      scan = adopted.size() - tail.size();
      path = std::move(adopted);
    } else {
      scan = close + 1;
    }
  }
  return path;
}

}  // namespace zol
