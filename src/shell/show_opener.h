// Finding and opening the show the command line names, with the messages the
// player shows when that fails. Main thread.
#pragma once

#include <string>

#include "foundation/ref.h"
#include "package/show_locator.h"

namespace zol {

class TCommandLine;

struct TShowRequest {
  std::string path;
  bool isExecutable = true;  // a package (stand-alone or in a program), not a project file
};

// -filename, else -exename, else a first plain argument (".zol" files as
// project files), else this program itself.
TShowRequest ShowRequestFromCommandLine(TCommandLine& commandLine);

// A relative PATH as the user means it: from the current folder when it
// exists there, else from the program's folder (each leading "..\" climbing).
std::string ResolveAgainstProgramFolder(const std::string& path);

// The file to open for PATH: a bundle folder ".app" leads to the package
// inside it, or to the ".zolshow" beside it.
std::string ResolveShowPath(const std::string& path);

// PATH with its extension replaced by EXTENSION (which starts with ".").
std::string ChangeFileExtension(const std::string& path, const std::string& extension);

// Opens the show; on failure gives nothing and MESSAGE holds the text the
// player shows ("Can`t Load Show", the tried paths, ...).
TRef<TZolShowLocator> OpenRequestedShow(const TShowRequest& request, std::string& message);

}  // namespace zol
