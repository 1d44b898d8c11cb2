#include "package/temp_folders.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/file_lock.h"
#include "platform/guid.h"
#include "platform/special_folders.h"

namespace zol {
namespace fs = std::filesystem;

namespace {

constexpr const char* kRootName = "TAVMER_TEMP_ROOT";
constexpr int kMaxAttempts = 100;

// Deletes PATH with all its contents; true when it is gone.
bool RemoveTree(const std::string& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
  return !fs::exists(path, ec);
}

void CreateEmptyFile(const std::string& path) { std::ofstream(path, std::ios::binary | std::ios::trunc); }

}  // namespace

std::string BaseTempFolder() {
  std::string temp = platform::TempFolder();
  if (platform::FolderExists(temp)) return temp.back() == '/' ? temp : temp + "/";
  std::string beside = platform::ProgramFolder() + "/TEMP";
  std::error_code ec;
  fs::create_directories(beside, ec);
  if (platform::FolderExists(beside)) return beside + "/";
  return platform::ProgramFolder() + "/";
}

TTempFolderManager& TTempFolderManager::Process() {
  static TTempFolderManager manager;
  return manager;
}

TTempFolderManager::TTempFolderManager(std::string base) : base_(std::move(base)) {
  if (!base_.empty() && base_.back() != '/') base_ += '/';
}

TTempFolderManager::~TTempFolderManager() { Cleanup(); }

const std::string& TTempFolderManager::TempRoot() {
  if (!root_.empty()) return root_;
  std::string root = base_ + kRootName + "/";
  std::error_code ec;
  if (!platform::FolderExists(root) && !fs::create_directories(root, ec))
    throw ETempFolderError("VendorTemp Create Error: " + root);
  root_ = root;
  RemoveLeftovers();
  if (!platform::FolderExists(root_)) {
    root_.clear();
    throw ETempFolderError("Temp Path not Found");
  }
  return root_;
}

void TTempFolderManager::RemoveLeftovers() {
  std::error_code ec;
  std::vector<std::string> locks;
  for (fs::directory_iterator it(root_, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == ".lock") locks.push_back(it->path().string());
  for (const std::string& lockPath : locks) {
    platform::FileLock lock(lockPath);
    if (!lock.Held()) continue;  // a running process owns it
    std::string folder = lockPath.substr(0, lockPath.size() - 5);
    fs::remove(lockPath, ec);
    lock.Release();
    // Should the folder resist, put the lock file back so a later run retries.
    if (!RemoveTree(folder)) CreateEmptyFile(lockPath);
  }
}

std::string TTempFolderManager::NewTempFolder(bool trailingSeparator) {
  const std::string& root = TempRoot();
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    std::string path = root + "[" + platform::NewGuidText() + "]";
    std::error_code ec;
    if (fs::exists(path, ec) || !fs::create_directory(path, ec)) continue;
    auto lock = std::make_unique<platform::FileLock>(path + ".lock");
    if (!lock->Held()) {
      RemoveTree(path);
      continue;
    }
    folders_.push_back({path, std::move(lock)});
    return trailingSeparator ? path + "/" : path;
  }
  throw ETempFolderError("VendorTemp Create Error: " + root);
}

void TTempFolderManager::Cleanup() {
  for (Folder& folder : folders_) {
    std::string lockPath = folder.path + ".lock";
    std::error_code ec;
    fs::remove(lockPath, ec);
    folder.lock->Release();
    if (fs::exists(lockPath, ec)) continue;  // cannot drop the mark: leave the folder
    if (!RemoveTree(folder.path)) CreateEmptyFile(lockPath);
  }
  folders_.clear();
}

}  // namespace zol
