// Test helpers for the text suite: an in-memory show (file source), coverage
// capture from the rasteriser, and a font configuration switch that always
// restores the system's.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "foundation/case_fold.h"
#include "foundation/memory_stream.h"
#include "package/file_accessor.h"
#include "package/file_source.h"
#include "text/scanline_rasterizer.h"
#include "text/win_vectorizer.h"

namespace zol::test {

// A show's files held in memory, found by name without regard to case as in
// a package.
class TMemorySource : public TFileSource {
 public:
  void Add(const std::string& name, std::string bytes) { files_[FoldCaseText(name)] = std::move(bytes); }
  TRef<TStream> Open(std::string_view name) override {
    auto it = files_.find(FoldCaseText(name));
    if (it == files_.end()) return nullptr;
    return MakeRef<TMemoryStream>(it->second);
  }

 private:
  std::map<std::string, std::string> files_;
};

// Collects the rows a fill hands out into a full coverage grid.
class TCoverageGrid : public TSpanSink {
 public:
  TCoverageGrid(int width, int height) : width_(width), cells_(size_t(width) * height, 0) {}
  void Span(int row, const uint16_t* coverage, int first, int last) override {
    ++rows;
    for (int x = first; x <= last; ++x) cells_[size_t(row) * width_ + x] += coverage[x];
  }
  int At(int x, int y) const { return cells_[size_t(y) * width_ + x]; }
  int Total() const {
    int sum = 0;
    for (int c : cells_) sum += c;
    return sum;
  }
  int rows = 0;

 private:
  int width_;
  std::vector<int> cells_;
};

// Switches the vectoriser to a configuration file for the life of the
// object, then back to the system's.
class TFontConfigurationScope {
 public:
  explicit TFontConfigurationScope(const std::string& configFile) {
    ok = TWinVectorizer::Instance().UseFontConfiguration(configFile);
  }
  ~TFontConfigurationScope() { TWinVectorizer::Instance().UseFontConfiguration(""); }
  bool ok = false;
};

}  // namespace zol::test
