#include "foundation/ini_name_hash.h"

#include <algorithm>
#include <cstring>

#include "foundation/case_fold.h"
#include "foundation/utf8.h"

namespace zol {
namespace {

constexpr uint64_t kHighBits = 0x8080808080808080ull;
constexpr uint64_t kOnes = 0x0101010101010101ull;

uint64_t Load8(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}

// Lower-cases the letters of eight ASCII bytes at once: a byte gets 0x20
// when it is at least 'A' and not above 'Z'. No byte carries into the next
// because all are below 0x80.
uint64_t FoldAsciiWord(uint64_t word) {
  uint64_t atLeastA = word + (0x80 - 'A') * kOnes;
  uint64_t aboveZ = word + (0x80 - 'Z' - 1) * kOnes;
  uint64_t upper = atLeastA & ~aboveZ & kHighBits;
  return word | (upper >> 2);
}

// Hashes a byte sequence in eight-byte words, however it is fed.
class FoldedHasher {
 public:
  bool Aligned() const { return fill_ == 0; }
  void Word(uint64_t word) {
    Mix(word);
    length_ += 8;
  }
  void Byte(uint8_t byte) {
    pending_ |= uint64_t(byte) << (8 * fill_);
    ++length_;
    if (++fill_ == 8) {
      Mix(pending_);
      pending_ = 0;
      fill_ = 0;
    }
  }
  uint32_t Finish() {
    if (fill_ > 0) Mix(pending_);
    Mix(length_);
    uint64_t h = hash_;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return uint32_t(h);
  }

 private:
  void Mix(uint64_t word) {
    hash_ = (hash_ ^ word) * 0x9E3779B97F4A7C15ull;
    hash_ ^= hash_ >> 32;
  }

  uint64_t hash_ = 0x243F6A8885A308D3ull;
  uint64_t pending_ = 0;
  uint64_t length_ = 0;
  int fill_ = 0;
};

// Feeds the UTF-8 bytes of a folded code point (a byte that was not UTF-8
// stands for itself).
void FeedCodePoint(FoldedHasher& hasher, char32_t cp) {
  if (cp >= utf8::kInvalidBase) {
    hasher.Byte(uint8_t(cp - utf8::kInvalidBase));
  } else if (cp < 0x80) {
    hasher.Byte(uint8_t(cp));
  } else if (cp < 0x800) {
    hasher.Byte(uint8_t(0xC0 | (cp >> 6)));
    hasher.Byte(uint8_t(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    hasher.Byte(uint8_t(0xE0 | (cp >> 12)));
    hasher.Byte(uint8_t(0x80 | ((cp >> 6) & 0x3F)));
    hasher.Byte(uint8_t(0x80 | (cp & 0x3F)));
  } else {
    hasher.Byte(uint8_t(0xF0 | (cp >> 18)));
    hasher.Byte(uint8_t(0x80 | ((cp >> 12) & 0x3F)));
    hasher.Byte(uint8_t(0x80 | ((cp >> 6) & 0x3F)));
    hasher.Byte(uint8_t(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

uint32_t IniNameHash(std::string_view name) {
  FoldedHasher hasher;
  size_t i = 0;
  while (i < name.size()) {
    if (hasher.Aligned() && name.size() - i >= 8) {
      uint64_t word = Load8(name.data() + i);
      if ((word & kHighBits) == 0) {
        hasher.Word(FoldAsciiWord(word));
        i += 8;
        continue;
      }
    }
    auto byte = uint8_t(name[i]);
    if (byte < 0x80) {
      hasher.Byte(byte >= 'A' && byte <= 'Z' ? uint8_t(byte + 32) : byte);
      ++i;
    } else {
      FeedCodePoint(hasher, FoldCase(utf8::Next(name, i)));
    }
  }
  return hasher.Finish();
}

bool IniNamesEqual(std::string_view a, std::string_view b) {
  if (a == b) return true;
  size_t n = std::min(a.size(), b.size());
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t x = Load8(a.data() + i), y = Load8(b.data() + i);
    if ((x | y) & kHighBits) break;
    if (x != y && FoldAsciiWord(x) != FoldAsciiWord(y)) return false;
  }
  // ASCII bytes are whole characters on both sides, so the rest starts at a
  // character boundary in each.
  return EqualNoCase(a.substr(i), b.substr(i));
}

}  // namespace zol
