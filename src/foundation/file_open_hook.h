// The process's file-open hook: how project texts (and other files read by
// name) are opened. The default opens a file on disk; the show package
// installs one that also finds files stored in the package. Installed once at
// start-up; opening may then happen on any thread (the hook is copied under a
// lock, then called outside it).
#pragma once

#include <functional>
#include <string>

#include "foundation/ref.h"
#include "foundation/stream.h"

namespace zol {

// Opens PATH for reading; a null reference when it cannot be opened.
using TFileOpenHook = std::function<TRef<TStream>(const std::string& path)>;

// Installs HOOK (an empty one puts the default back) and returns the one it
// replaces.
TFileOpenHook SetFileOpenHook(TFileOpenHook hook);

// Opens PATH through the installed hook.
TRef<TStream> OpenFileStream(const std::string& path);

// The default: the file on disk, read-only.
TRef<TStream> OpenDiskFile(const std::string& path);

}  // namespace zol
