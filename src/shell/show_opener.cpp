#include "shell/show_opener.h"

#include <optional>

#include "foundation/case_fold.h"
#include "foundation/command_line.h"
#include "package/disk_path.h"
#include "package/exe_alias.h"
#include "platform/process.h"
#include "platform/special_folders.h"

namespace zol {
namespace {

std::string Extension(const std::string& path) {
  size_t dot = path.find_last_of('.');
  size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot);
}

// The show named without an option: the first plain argument, which the
// parser files under the option before it when that option takes no value
// ("zolviewer -info show.zol").
std::optional<std::string> FirstPlainArgument(TCommandLine& commandLine) {
  if (auto first = commandLine.OptionValue("", 1)) return first;
  for (const char* flag : {"info", "log", "filelog", "cover", "noicc", "desktopalign", "resize"})
    if (auto value = commandLine.OptionValue(flag)) return value;
  return std::nullopt;
}

}  // namespace

std::string ChangeFileExtension(const std::string& path, const std::string& extension) {
  std::string current = Extension(path);
  return path.substr(0, path.size() - current.size()) + extension;
}

TShowRequest ShowRequestFromCommandLine(TCommandLine& commandLine) {
  TShowRequest request;
  if (auto file = commandLine.OptionValue("filename")) {
    request = {*file, false};
  } else if (auto exe = commandLine.OptionValue("exename")) {
    request = {*exe, true};
  } else if (auto positional = FirstPlainArgument(commandLine)) {
    request = {*positional, !EqualNoCase(Extension(*positional), ".zol")};
  } else {
    request = {platform::ModulePath(), true};
  }
  request.path = ResolveAgainstProgramFolder(request.path);
  return request;
}

std::string ResolveAgainstProgramFolder(const std::string& path) {
  std::string local = ToDiskPath(path);
  bool hasDrive = path.size() >= 2 && path[1] == ':';
  if (local.empty() || local[0] == '/' || hasDrive) return path;
  if (platform::FileExists(local) || platform::FolderExists(local)) return path;
  std::string base = platform::ProgramFolder();
  while (local.rfind("../", 0) == 0) {
    local.erase(0, 3);
    size_t slash = base.find_last_of('/');
    base = slash == 0 || slash == std::string::npos ? "/" : base.substr(0, slash);
  }
  return (base == "/" ? "" : base) + "/" + local;
}

std::string ResolveShowPath(const std::string& path) {
  if (IsExeAlias(path)) return path;
  std::string extension = Extension(path);
  if (FoldCaseText(extension) == ".exe") return path;
  if (extension == ".app") {
    std::string inside = path + "\\Contents\\Resources\\slideshow.dat";
    if (DiskFileExists(inside)) return *FindDiskFile(inside);
    return ChangeFileExtension(path, ".zolshow");
  }
  return path;
}

TRef<TZolShowLocator> OpenRequestedShow(const TShowRequest& request, std::string& message) {
  message.clear();
  if (!request.isExecutable) {
    if (auto locator = OpenProjectShow(request.path)) return locator;
    message = "Can`t Load .zol File\r\"" + request.path + "\"";
    return nullptr;
  }
  std::string error, secondError;
  if (auto locator = OpenPackedShow(ResolveShowPath(request.path), error)) return locator;
  const std::string second = ChangeFileExtension(request.path, ".zolshow");
  if (auto locator = OpenPackedShow(ResolveShowPath(second), secondError)) return locator;
  // The second name is only a guess: when there is no such file, what was
  // wrong with the first one is the news.
  if (secondError != "Slideshow File not Found") error = secondError;
  message = (error.empty() ? "Can`t Load Show" : error) + "\r\"" + request.path + "\" or \"" + second + "\"";
  return nullptr;
}

}  // namespace zol
