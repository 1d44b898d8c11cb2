#include <gtest/gtest.h>

#include <filesystem>

#include "package/temp_folders.h"
#include "platform/file_lock.h"
#include "support/temp_dir.h"

namespace zol {
namespace {

namespace fs = std::filesystem;

TEST(TempFolders, NewFoldersAreLockedAndRemovedAtCleanup) {
  test::TempDir base;
  std::string folder;
  {
    TTempFolderManager manager(base.Path().string());
    EXPECT_EQ(manager.TempRoot(), base / "TAVMER_TEMP_ROOT/");
    folder = manager.NewTempFolder(false);
    EXPECT_TRUE(fs::is_directory(folder));
    std::string name = fs::path(folder).filename().string();
    EXPECT_EQ(name.size(), 38u) << name;  // "[" + 36 + "]"
    EXPECT_EQ(name.front(), '[');
    EXPECT_EQ(name.back(), ']');
    // flock belongs to the open file, so a second open in this process sees the lock.
    EXPECT_TRUE(platform::FileLock(folder + ".lock").HeldElsewhere());
    EXPECT_TRUE(fs::exists(folder + ".lock"));
    EXPECT_NE(manager.NewTempFolder(true), folder + "/");
  }
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_FALSE(fs::exists(folder + ".lock"));
}

TEST(TempFolders, LeftoversOfCrashedRunsGoButFoldersInUseStay) {
  test::TempDir base;
  const std::string root = base / "TAVMER_TEMP_ROOT/";
  // A crashed run: folder and lock file, nobody holding the lock.
  base.Write("TAVMER_TEMP_ROOT/[crashed]/file.dll", "x");
  base.Write("TAVMER_TEMP_ROOT/[crashed].lock", "");
  // A running instance holds its lock.
  base.Write("TAVMER_TEMP_ROOT/[running]/file.dll", "x");
  platform::FileLock running(root + "[running].lock");
  ASSERT_TRUE(running.Held());

  TTempFolderManager manager(base.Path().string());
  manager.TempRoot();
  EXPECT_FALSE(fs::exists(root + "[crashed]"));
  EXPECT_FALSE(fs::exists(root + "[crashed].lock"));
  EXPECT_TRUE(fs::exists(root + "[running]/file.dll"));
  EXPECT_TRUE(fs::exists(root + "[running].lock"));
}

TEST(TempFolders, RootThatCannotBeCreatedIsReported) {
  test::TempDir base;
  base.Write("blocker", "a file where the base folder should be");
  TTempFolderManager manager(base / "blocker");
  try {
    manager.TempRoot();
    FAIL();
  } catch (const ETempFolderError& e) {
    EXPECT_EQ(std::string(e.what()), "VendorTemp Create Error: " + base / "blocker/TAVMER_TEMP_ROOT/");
  }
}

}  // namespace
}  // namespace zol
