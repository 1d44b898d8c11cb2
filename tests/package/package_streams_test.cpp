#include <gtest/gtest.h>

#include <zlib.h>

#include <numeric>
#include <string>

#include "foundation/memory_stream.h"
#include "package/crypt_stream.h"
#include "package/inflate_stream.h"
#include "package/inflator.h"
#include "package/load_yield.h"
#include "package/partial_stream.h"
#include "package/z_decompression_error.h"
#include "support/stream_text.h"

namespace zol {
namespace {

using test::ReadAll;

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = char((i * 7 + i / 251) & 0xFF);
  return bytes;
}

// Deflates BYTES raw (window bits -15) or zlib-wrapped (15).
std::string Deflate(const std::string& bytes, int windowBits) {
  z_stream zs{};
  deflateInit2(&zs, 9, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&zs, uLong(bytes.size())), '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  zs.avail_in = uInt(bytes.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = uInt(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

// A source that records the largest single read asked of it.
class TRecordingStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  size_t largestRead = 0;
  size_t Read(void* buffer, size_t count) override {
    largestRead = std::max(largestRead, count);
    return TMemoryStream::Read(buffer, count);
  }
};

TEST(PartialStream, WindowBoundsAreCheckedAgainstTheSource) {
  struct Case {
    int64_t length, start;
    bool accepted;
  };
  const Case cases[] = {
      {0, 0, true}, {0, 100, true}, {100, 0, true}, {40, 60, true}, {41, 60, false}, {1, 100, false},
  };
  for (const Case& c : cases) {
    auto source = MakeRef<TMemoryStream>(Pattern(100));
    if (c.accepted) {
      EXPECT_NO_THROW(MakeRef<TPartialStream>(source, c.length, c.start));
    } else {
      try {
        MakeRef<TPartialStream>(source, c.length, c.start);
        ADD_FAILURE() << c.length << "@" << c.start;
      } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Insufficient Source Size");
      }
    }
  }
}

TEST(PartialStream, ReadsOnlyItsRangeAndRefusesWhatAWindowCannotDo) {
  const std::string bytes = Pattern(1000);
  auto window = MakeRef<TPartialStream>(MakeRef<TMemoryStream>(bytes), 300, 200);
  EXPECT_EQ(window->GetSize(), 300);
  EXPECT_EQ(window->GetPosition(), 0);
  EXPECT_EQ(ReadAll(*window), bytes.substr(200, 300));

  window->SetPosition(290);
  char tail[50];
  EXPECT_EQ(window->Read(tail, sizeof tail), 10u);
  window->SetPosition(400);  // past the end is allowed, reads give nothing
  EXPECT_EQ(window->Read(tail, sizeof tail), 0u);
  EXPECT_THROW(window->SetPosition(-1), EStreamError);
  EXPECT_THROW(window->SetSize(10), EStreamError);

  auto empty = MakeRef<TPartialStream>(MakeRef<TMemoryStream>(bytes), 0, 500);
  EXPECT_EQ(empty->Read(tail, sizeof tail), 0u);
}

TEST(PartialStream, YieldRoutineShrinksTheChunkAndRunsAroundEachOne) {
  auto source = MakeRef<TRecordingStream>(Pattern(5000));
  auto window = MakeRef<TPartialStream>(source, 5000, 0);
  int calls = 0;
  window->SetYield(32768, [&] {
    ++calls;
    return true;
  });
  EXPECT_EQ(window->Chunk(), 256);
  EXPECT_EQ(ReadAll(*window).size(), 5000u);
  EXPECT_LE(source->largestRead, 256u);
  EXPECT_GE(calls, 5000 / 256);

  window->SetYield(32768, nullptr);
  EXPECT_EQ(window->Chunk(), 32768);
}

TEST(PartialStream, CopyFromWritesIntoTheRange) {
  auto target = MakeRef<TMemoryStream>(std::string(100, '.'));
  auto window = MakeRef<TPartialStream>(target, 10, 50);
  auto from = MakeRef<TMemoryStream>("0123456789");
  EXPECT_EQ(window->CopyFrom(*from, 10), 10);
  EXPECT_EQ(target->View().substr(48, 14), "..0123456789..");
}

TEST(CryptStream, EachByteIsKeyedByItsPosition) {
  const std::string key = "D3F0B7E24C6A9F15E2D04B8C7A36F91E";
  const std::string plain = Pattern(200);
  std::string stored = plain;
  for (size_t p = 0; p < stored.size(); ++p) stored[p] = char(stored[p] ^ key[p % key.size()]);

  auto crypt = MakeRef<TCryptStream>(MakeRef<TMemoryStream>(stored), key);
  EXPECT_EQ(ReadAll(*crypt), plain);

  // From position 40 the key runs from index 8 (40 mod 32).
  crypt->SetPosition(40);
  char got[5];
  crypt->ReadBuffer(got, sizeof got);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(got[i], char(stored[40 + i] ^ key[8 + i]));
  EXPECT_EQ(std::string(got, 5), plain.substr(40, 5));

  // Writing applies the same cipher.
  auto out = MakeRef<TMemoryStream>();
  auto writer = MakeRef<TCryptStream>(out, key);
  writer->WriteBuffer(plain.data(), plain.size());
  EXPECT_EQ(out->View(), stored);
}

TEST(CryptStream, LongReadsAtAnyOffsetMatchByteByByteDecoding) {
  const std::string key = "k3y-of-odd-length";  // 17: runs never line up with words
  const std::string plain = Pattern(20000);
  std::string stored = plain;
  for (size_t p = 0; p < stored.size(); ++p) stored[p] = char(stored[p] ^ key[p % key.size()]);
  auto crypt = MakeRef<TCryptStream>(MakeRef<TMemoryStream>(stored), key);
  for (size_t start : {0u, 1u, 7u, 4095u, 4097u, 12345u}) {
    for (size_t length : {1u, 9u, 4096u, 7000u}) {
      if (start + length > plain.size()) continue;
      crypt->SetPosition(int64_t(start));
      std::string got(length, '\0');
      crypt->ReadBuffer(got.data(), length);
      EXPECT_EQ(got, plain.substr(start, length)) << start << "+" << length;
    }
  }
}

TEST(CryptStream, NeedsAnInnerStreamAndAKey) {
  EXPECT_ANY_THROW(MakeRef<TCryptStream>(nullptr, "k"));
  EXPECT_ANY_THROW(MakeRef<TCryptStream>(MakeRef<TMemoryStream>(), ""));
}

TEST(InflateStream, InflatesRawDeflateAndRestartsFromZero) {
  const std::string plain = Pattern(300000);
  auto window = MakeRef<TPartialStream>(MakeRef<TMemoryStream>("junk" + Deflate(plain, -15) + "tail"),
                                        int64_t(Deflate(plain, -15).size()), 4);
  auto inflate = MakeRef<TInflateStream>(window, int64_t(plain.size()));
  EXPECT_EQ(inflate->GetSize(), int64_t(plain.size()));
  std::string first(1000, '\0');
  inflate->ReadBuffer(first.data(), first.size());
  EXPECT_EQ(first, plain.substr(0, 1000));

  inflate->SetPosition(0);
  EXPECT_EQ(inflate->GetPosition(), 0);
  EXPECT_EQ(ReadAll(*inflate), plain);

  // Forward seeks skip; backward ones other than to zero cannot be done.
  inflate->SetPosition(0);
  inflate->SetPosition(250000);
  char byte;
  inflate->ReadBuffer(&byte, 1);
  EXPECT_EQ(byte, plain[250000]);
  EXPECT_THROW(inflate->SetPosition(10), EZDecompressionError);
  EXPECT_THROW(inflate->Seek(-1, TSeekOrigin::Current), EZDecompressionError);
  EXPECT_THROW(inflate->Write("x", 1), EZDecompressionError);
  EXPECT_THROW(inflate->SetSize(5), EZDecompressionError);
}

TEST(InflateStream, CutShortGivesWhatWasProducedAndCorruptDataRaises) {
  const std::string plain = Pattern(100000);
  const std::string packed = Deflate(plain, -15);
  auto cut = InflateWhole(MakeRef<TMemoryStream>(packed.substr(0, packed.size() / 2)));
  EXPECT_GT(cut->GetSize(), 0);
  EXPECT_LT(cut->GetSize(), int64_t(plain.size()));
  std::string produced(size_t(cut->GetSize()), '\0');
  cut->ReadBuffer(produced.data(), produced.size());
  EXPECT_EQ(produced, plain.substr(0, produced.size()));

  std::string corrupt = packed;
  corrupt[0] = char(0xFF);  // an invalid block type
  try {
    InflateWhole(MakeRef<TMemoryStream>(corrupt));
    FAIL() << "corrupt data inflated";
  } catch (const EZDecompressionError& e) {
    EXPECT_STREQ(e.what(), "data error");
  }
}

TEST(ZDecompressionStream, InflatesZlibWrappedDataOfUnknownSize) {
  const std::string plain = Pattern(70000);
  auto z = MakeRef<TZDecompressionStream>(MakeRef<TMemoryStream>(Deflate(plain, 15)));
  EXPECT_EQ(z->GetSize(), -1);
  int refills = 0;
  z->SetProgress([&] { ++refills; });
  EXPECT_EQ(z->Seek(0, TSeekOrigin::End), int64_t(plain.size()));
  EXPECT_GE(refills, 1);
  z->SetPosition(0);
  EXPECT_EQ(ReadAll(*z), plain);
}

TEST(Inflator, InflatesAWholeStreamThroughCallbacks) {
  const std::string plain = Pattern(200000);
  auto input = MakeRef<TMemoryStream>(Deflate(plain, -15));
  auto output = MakeRef<TMemoryStream>();
  auto inflator = MakeRef<TInflator>();
  inflator->Inflate(*input, *output);
  EXPECT_EQ(output->View(), plain);

  auto garbage = MakeRef<TMemoryStream>(std::string(64, char(0xFF)));
  EXPECT_THROW(inflator->Inflate(*garbage, *output), EZDecompressionError);
}

TEST(LoadYield, ModesContinueOrStop) {
  for (auto [mode, goOn] : {std::pair{TLoadYieldMode::Off, true}, {TLoadYieldMode::Polite, true},
                            {TLoadYieldMode::Playing, true}, {TLoadYieldMode::Stop, false}}) {
    SetLoadYieldMode(mode);
    EXPECT_EQ(LoadYield(), goOn);
  }
  SetLoadYieldMode(TLoadYieldMode::Off);
}

}  // namespace
}  // namespace zol
