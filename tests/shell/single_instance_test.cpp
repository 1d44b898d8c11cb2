#include <gtest/gtest.h>
#include <unistd.h>

#include "foundation/elf_hash.h"
#include "shell/single_instance.h"

namespace zol {
namespace {

TEST(SingleInstance, NameJoinsHashesOfPathFolderAndFile) {
  const std::string path = "/opt/shows/player";
  EXPECT_EQ(SingleInstanceName(path), "Instance_ID" + std::to_string(ElfHash(path)) +
                                          std::to_string(ElfHash("/opt/shows")) +
                                          std::to_string(ElfHash("player")) + "player");
}

TEST(SingleInstance, SecondHolderOfTheSameProgramSeesTheFirst) {
  const std::string program = "/tmp/zol-single-instance-test/" + std::to_string(::getpid()) + "/viewer";
  TSingleInstance first(program);
  EXPECT_FALSE(first.AnotherInstanceRunning());
  {
    TSingleInstance second(program);
    EXPECT_TRUE(second.AnotherInstanceRunning());
    TSingleInstance other("/tmp/zol-single-instance-test/other-viewer");
    EXPECT_FALSE(other.AnotherInstanceRunning()) << "another program has its own lock";
  }
}

}  // namespace
}  // namespace zol
