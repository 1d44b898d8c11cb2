#include "package/exe_alias.h"

#include <mutex>

#include "foundation/case_fold.h"

namespace zol {
namespace {

std::mutex gLock;  // guards gAlias
TExeAlias& Alias() {
  static TExeAlias alias;
  return alias;
}

}  // namespace

void SetExeAlias(TExeAlias alias) {
  std::lock_guard guard(gLock);
  Alias() = std::move(alias);
}

TExeAlias ExeAlias() {
  std::lock_guard guard(gLock);
  return Alias();
}

bool IsExeAlias(const std::string& path) {
  TExeAlias alias = ExeAlias();
  return !alias.name.empty() && !alias.projectPath.empty() && EqualNoCase(alias.name, path);
}

}  // namespace zol
