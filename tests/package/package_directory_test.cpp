#include <gtest/gtest.h>

#include "foundation/ini_value.h"
#include "foundation/memory_stream.h"
#include "package/package_directory.h"

namespace zol {
namespace {

// What the full tree answers for SECTION/KEY.
std::optional<std::string> TreeValue(const TIniFile& tree, std::string_view section, std::string_view key) {
  const TIniSection* found = tree.Section(section);
  const TIniItem* item = found ? found->Find(key) : nullptr;
  if (!item) return std::nullopt;
  return item->Value();
}

// A literal with embedded NULs, all of it.
template <size_t N>
std::string Utf16(const char (&bytes)[N]) {
  return std::string(bytes, N - 1);
}

TEST(PackageDirectory, QuickLookUpsAnswerLikeTheFullTree) {
  const std::string texts[] = {
      "[$protection$]\r\nstrucpos=10\r\n[a.jpg]\r\n_ps=0\r\n_sz=3\r\n",
      // Sections named twice in different case merge; the last key wins.
      "[A.JPG]\r\n_ps=1\r\n[b]\r\nx=1\r\n[a.jpg]\r\n_ps=2\r\n_SZ=5\r\n",
      // Comments, blank lines, keys before any section, "[]" back to the root.
      "_ps=9\r\n; comment\r\n\r\n[s]\r\n  _ps = 4  \r\n[]\r\n_ps=7\r\n[s]\r\n_sz=1\r\n",
      // A "[" line without "]" is not a header.
      "[s]\r\n[broken=1\r\n_ps=3\r\n",
      // Objects go to the full reader.
      "[s]\r\nobject o:T\r\n  _ps=5\r\nend\r\n_sz=2\r\n",
      "[s]\r\n_ps=1\r\nobject o\r\n[t]\r\n_ps=6\r\n",
      // Lines that only look like keywords.
      "[s]\r\nobjectx=1\r\nend_=2\r\nendless\r\n_ps=8\r\n",
      std::string("\xEF\xBB\xBF[s]\r\n_ps=11\r\n"),
      Utf16("\xFF\xFE[\0s\0]\0\r\0\n\0_\0p\0s\0=\0001\0002\0"),
      "",
  };
  const std::pair<const char*, const char*> queries[] = {
      {"$protection$", "strucpos"}, {"a.jpg", "_ps"}, {"A.jpg", "_sz"}, {"b", "x"}, {"s", "_ps"},
      {"S", "_sz"}, {"s", "objectx"}, {"t", "_ps"}, {"", "_ps"}, {"missing", "_ps"}, {"s", "[broken"},
  };
  for (const std::string& text : texts) {
    TPackageDirectory directory(text);
    auto tree = MakeRef<TIniFile>();
    auto bytes = MakeRef<TMemoryStream>(text);
    tree->Load(*bytes);
    for (const auto& [section, key] : queries) {
      if (*section == '\0') continue;  // the root lines are no stored file
      EXPECT_EQ(directory.Value(section, key), TreeValue(*tree, section, key))
          << "[" << section << "] " << key << " in " << testing::PrintToString(text);
      EXPECT_EQ(directory.HasSection(section), tree->Section(section) != nullptr) << section;
    }
  }
}

TEST(PackageDirectory, TreeIsBuiltForWholeDirectoryWalks) {
  TPackageDirectory directory("[a]\r\n_ps=1\r\n[b]\r\n_ps=2\r\n");
  const TIniFile& tree = directory.Tree();
  ASSERT_EQ(tree.SectionCount(), 2);
  EXPECT_EQ(tree.SectionAt(1)->Name(), "b");
  EXPECT_EQ(&directory.Tree(), &tree) << "built once";
}

}  // namespace
}  // namespace zol
