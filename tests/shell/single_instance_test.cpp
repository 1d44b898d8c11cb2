#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zol
