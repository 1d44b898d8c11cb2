// Where the user's and the system's data folders are, following the XDG base
// directory rules. Any thread.
#pragma once

#include <string>

namespace zol::platform {

std::string UserConfigFolder();   // $XDG_CONFIG_HOME, else ~/.config
std::string UserDataFolder();     // $XDG_DATA_HOME, else ~/.local/share
std::string SharedDataFolder();   // /usr/local/share
std::string TempFolder();         // $TMPDIR when it is a folder, else /tmp
std::string ProgramFolder();      // the folder of the running executable

bool FolderExists(const std::string& path);

}  // namespace zol::platform
