// Texts laid out and painted from several threads at once come out as they
// do one at a time: the vectoriser's lock and the glyph caches' locks keep
// the shared font state whole.
#include <gtest/gtest.h>

#include <thread>

#include "text/font_cache.h"
#include "text/text_renderer.h"

namespace zol {
namespace {

TTextParams Params(int i) {
  TTextParams params;
  const char* fonts[] = {"DejaVu Sans", "Liberation Serif", "Courier New", ""};
  params.fontName = fonts[i % 4];
  params.style.bold = i % 3 == 0;
  params.lines = {"Thread " + std::to_string(i) + " ÀÉÎ ок क", "עברית 12"};
  return params;
}

std::string Pixels(const TPixelImage& p) {
  std::string bytes;
  for (int y = 0; y < p.Height(); ++y) bytes.append(reinterpret_cast<const char*>(p.ScanLine(y)), size_t(p.Width()) * 4);
  return bytes;
}

TEST(TextConcurrency, ParallelRendersMatchSerialOnes) {
  constexpr int kThreads = 4, kTexts = 12;
  TFontCache::Instance().Clear();
  std::vector<std::string> serial;
  for (int i = 0; i < kTexts; ++i) serial.push_back(Pixels(*RenderText(Params(i), 0.4, nullptr).picture));

  TFontCache::Instance().Clear();  // the threads fill the caches again, racing
  std::vector<std::string> parallel(kTexts);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      for (int i = t; i < kTexts; i += kThreads) parallel[size_t(i)] = Pixels(*RenderText(Params(i), 0.4, nullptr).picture);
    });
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < kTexts; ++i) EXPECT_EQ(parallel[size_t(i)], serial[size_t(i)]) << i;
}

}  // namespace
}  // namespace zol
