// Test helper: a show package written to a scratch folder, holding a
// project text and the given files, opened as the player opens it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "foundation/file_stream.h"
#include "package/package_writer.h"
#include "package/show_locator.h"
#include "support/temp_dir.h"

namespace zol::test {

struct TShowFixture {
  // MAIN: lines for the project's [Main] section; ROTATIONS: lines of
  // [RotationState] (';"name"=code').
  static std::string Project(const std::string& main, const std::vector<std::string>& rotations = {}) {
    std::string text = "\xEF\xBB\xBF[Main]\r\nZolVersion=5.6\r\n" + main;
    if (!rotations.empty()) {
      text += "[RotationState]\r\n";
      for (const std::string& line : rotations) text += line + "\r\n";
    }
    return text;
  }

  // Writes a package of FILES (name, bytes) into DIR and gives its path.
  static std::string Write(const TempDir& dir, const std::vector<std::pair<std::string, std::string>>& files,
                           TPackageOptions options = {}) {
    TPackageWriter writer(std::move(options));
    for (const auto& [name, bytes] : files) writer.Add(name, bytes);
    const std::string path = dir / "show.zolshow";
    auto out = MakeRef<TFileStream>(path, TFileStream::Mode::Create);
    writer.Write(*out, 0);
    return path;
  }
};

}  // namespace zol::test
