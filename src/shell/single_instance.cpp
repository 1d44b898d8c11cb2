#include "shell/single_instance.h"

#include "foundation/elf_hash.h"
#include "platform/file_lock.h"

namespace zol {

std::string SingleInstanceName(const std::string& programPath) {
  size_t slash = programPath.find_last_of('/');
  std::string folder = slash == std::string::npos ? "" : programPath.substr(0, slash);
  std::string file = slash == std::string::npos ? programPath : programPath.substr(slash + 1);
  return "Instance_ID" + std::to_string(ElfHash(programPath)) + std::to_string(ElfHash(folder)) +
         std::to_string(ElfHash(file)) + file;
}

TSingleInstance::TSingleInstance(const std::string& programPath)
    : lock_(std::make_unique<platform::FileLock>(platform::RuntimeFolder() + "/" +
                                                 SingleInstanceName(programPath) + ".lock")) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::AnotherInstanceRunning() const { return lock_->HeldElsewhere(); }

}  // namespace zol
