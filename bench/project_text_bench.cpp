// Project text speed: loading a 20 MB project from memory against a plain
// memchr line count over the same bytes, and name lookups in sections of
// 1,000 and 100,000 keys (constant time per key is the goal).
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "foundation/ini_file.h"
#include "foundation/memory_stream.h"

namespace zol {
namespace {

// A project of about 20 MB: slides with settings, comments and objects
// nested three deep, UTF-8 with its byte order mark.
const std::string& ProjectText() {
  static const std::string text = [] {
    std::mt19937 random(1);
    std::string t = "\xEF\xBB\xBF; generated project\r\n[Main]\r\nopt_usepass=0\r\nopt_title=Bench show\r\n\r\n";
    for (int slide = 0; t.size() < 20u * 1024 * 1024; ++slide) {
      std::string n = std::to_string(slide);
      t += "[Slide" + n + "]\r\n; slide " + n + "\r\nduration=" + std::to_string(random() % 10000) +
           "\r\ntransition=fade\r\n";
      t += "object root:slide\r\n  bg=0\r\n";
      for (int object = 0; object < 4; ++object) {
        std::string o = std::to_string(object);
        t += "  object pic" + o + ":image\r\n    file=pictures\\img" + n + "_" + o + ".jpg\r\n    x=" +
             std::to_string(random() % 1000) + ".5\r\n    y=-" + std::to_string(random() % 100) + "\r\n";
        t += "    object caption:text\r\n      content=Caption of picture " + o + " on slide " + n +
             "\\nsecond line\r\n      font=Arial\r\n    end\r\n  end\r\n";
      }
      t += "end\r\n\r\n";
    }
    return t;
  }();
  return text;
}

void BM_LoadProjectFromMemory(benchmark::State& state) {
  const std::string& text = ProjectText();
  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>(text);
  for (auto _ : state) {
    TRef<TIniFile> file = MakeRef<TIniFile>();
    stream->SetPosition(0);
    bool loaded = file->Load(*stream);
    benchmark::DoNotOptimize(loaded);
    state.PauseTiming();  // freeing the tree is not loading it
    file.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_LoadProjectFromMemory)->Unit(benchmark::kMillisecond)->MinTime(3);

// The floor for any line-oriented reader: find every line end with memchr.
void BM_MemchrLineCount(benchmark::State& state) {
  const std::string& text = ProjectText();
  for (auto _ : state) {
    size_t lines = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (const void* hit = std::memchr(p, '\n', size_t(end - p))) {
      ++lines;
      p = static_cast<const char*>(hit) + 1;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_MemchrLineCount)->Unit(benchmark::kMillisecond);

// One lookup per iteration of a random existing key, in a letter case that
// differs from the stored one, in a section of state.range(0) keys; the
// queries use state.range(1) distinct keys (0: any key of the section).
void BM_KeyLookup(benchmark::State& state) {
  const int keys = int(state.range(0));
  const int distinct = state.range(1) ? int(state.range(1)) : keys;
  std::string text = "[Big]\r\n";
  std::vector<std::string> names;
  for (int i = 0; i < keys; ++i) {
    names.push_back("opt_key_" + std::to_string(i * 7919 % 1000003));
    text += names.back() + "=" + std::to_string(i) + "\r\n";
  }
  TRef<TIniFile> file = MakeRef<TIniFile>();
  file->Load(text);
  TIniSection* section = file->Section("big");

  std::mt19937 random(5);
  std::vector<std::string> queries(1 << 16);
  for (std::string& query : queries) {
    query = names[random() % uint32_t(distinct)];
    for (char& c : query)
      if (random() & 1) c = char(std::toupper(uint8_t(c)));
  }
  benchmark::DoNotOptimize(section->Find(queries[0]));  // builds the index

  size_t i = 0;
  for (auto _ : state) {
    TIniItem* found = section->Find(queries[i++ & (queries.size() - 1)]);
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(int64_t(state.iterations()));
}
// Random keys of the whole section; with 100,000 keys every lookup misses
// the caches.
BENCHMARK(BM_KeyLookup)->Args({1000, 0})->Args({100000, 0})->MinTime(2);
// The same 1,000 keys looked up in both sections: equal cache footprint, so
// any growth of the cost with the section's size would show here.
BENCHMARK(BM_KeyLookup)->Args({100000, 1000})->MinTime(2);

}  // namespace
}  // namespace zol

BENCHMARK_MAIN();
