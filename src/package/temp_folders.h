// Temporary folders for files that must leave a package for the disk. Each
// folder is marked in use by a locked ".lock" file beside it, so a later run
// can tell the folders of crashed runs (lock free) from those of running ones
// (lock held) and remove only the former. Main thread only.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zol {

namespace platform {
class FileLock;
}

class ETempFolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The system's temporary folder (else "TEMP" beside the program, else the
// program folder), with a trailing separator.
std::string BaseTempFolder();

class TTempFolderManager {
 public:
  // The process-wide manager; its destructor runs the clean-up at process end.
  static TTempFolderManager& Process();

  // BASE: the base temporary folder (tests give their own).
  explicit TTempFolderManager(std::string base = BaseTempFolder());
  ~TTempFolderManager();
  TTempFolderManager(const TTempFolderManager&) = delete;
  TTempFolderManager& operator=(const TTempFolderManager&) = delete;

  // The root of all temporary folders, created on first use, when folders left
  // by earlier runs that ended without cleaning up are removed.
  const std::string& TempRoot();
  // A new, locked folder "[GUID]" under the root.
  std::string NewTempFolder(bool trailingSeparator = true);
  // Removes this run's folders (a folder that cannot go keeps a lock file so
  // that a later run retries).
  void Cleanup();

 private:
  void RemoveLeftovers();

  struct Folder {
    std::string path;
    std::unique_ptr<platform::FileLock> lock;
  };

  std::string base_;
  std::string root_;
  std::vector<Folder> folders_;
};

}  // namespace zol
