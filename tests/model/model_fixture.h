// Test helpers for the show model: project texts parsed into trees and
// show settings built from them with a fixed program name and random seed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "foundation/ini_file.h"
#include "model/zol_source.h"

namespace zol::test {

inline TRef<TIniFile> ParseProject(std::string_view text) {
  TRef<TIniFile> tree = MakeRef<TIniFile>();
  EXPECT_TRUE(tree->Load(text));
  return tree;
}

inline TRef<TZolSource> MakeSource(std::string_view text, std::string programPath = "/opt/zol/zolviewer",
                                   uint32_t seed = 7) {
  return MakeRef<TZolSource>(nullptr, ParseProject(text), TZolSourceSetup{std::move(programPath), seed});
}

// A Times section for slides ending at POSITIONS.
inline std::string TimesSection(std::initializer_list<int> positions) {
  std::string text = "[Times]\nopt_slidescount=" + std::to_string(positions.size()) + "\n";
  int n = 1;
  for (int position : positions)
    text += "opt_synchpos" + std::to_string(n++) + "=" + std::to_string(position) + "\n";
  return text;
}

}  // namespace zol::test
