// The single-instance lock: held from start-up to process end, it tells a
// second copy of the same program that one already runs. Main thread only.
#pragma once

#include <memory>
#include <string>

namespace zol {

namespace platform {
class FileLock;
}

// "Instance_ID" + the ELF hashes of the full path, its folder and its file
// name, in decimal, then the file name.
std::string SingleInstanceName(const std::string& programPath);

class TSingleInstance {
 public:
  explicit TSingleInstance(const std::string& programPath);
  ~TSingleInstance();

  bool AnotherInstanceRunning() const;

 private:
  std::unique_ptr<platform::FileLock> lock_;
};

}  // namespace zol
