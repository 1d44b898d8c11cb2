// TBitmapPool: the memory of large decoded bitmaps, kept for the next picture
// after a bitmap is freed. Mapping and clearing fresh pages for a photo costs
// about as much as decoding it; a slideshow decodes one picture of a similar
// size after another, so a freed block is usually the right size for the
// next. Process-wide; any thread (one lock guards the kept blocks).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace zol {

class TBitmapPool {
 public:
  // Blocks below this size come from the allocator and are not kept.
  static constexpr size_t kMinPooledBytes = size_t(4) << 20;
  // How many freed blocks, and how many bytes in all, are kept.
  static constexpr size_t kMaxKeptBlocks = 2;
  static constexpr size_t kMaxKeptBytes = size_t(512) << 20;

  struct TBlock {
    std::unique_ptr<uint8_t[]> bytes;
    size_t capacity = 0;
  };

  static TBitmapPool& Process();

  // A block of at least SIZE bytes; its content is undefined.
  TBlock Take(size_t size);
  // Gives a block back for later use (or frees it when enough are kept).
  void Give(TBlock block);
  // Frees every kept block.
  void Trim();
  size_t KeptBytes();

 private:
  std::mutex lock_;  // guards kept_
  std::vector<TBlock> kept_;
};

}  // namespace zol
