#include "package/package_writer.h"

#include <zlib.h>

#include "foundation/ini_file.h"
#include "foundation/ini_value.h"
#include "foundation/memory_stream.h"
#include "package/package_names.h"
#include "package/zol_unpack.h"

namespace zol {
namespace {

void WriteInt64(TStream& out, int64_t value) {
  unsigned char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = uint8_t(uint64_t(value) >> (8 * i));
  out.WriteBuffer(bytes, sizeof bytes);
}

std::string Cipher(std::string bytes) {
  const std::string_view key = kPackageCipherKey;
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = char(bytes[i] ^ key[i % key.size()]);
  return bytes;
}

}  // namespace

std::string DeflateRaw(std::string_view bytes) {
  z_stream zs{};
  deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
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

void TPackageWriter::Add(std::string name, std::string bytes) {
  files_.push_back({PackageKey(name), std::move(bytes)});
}

void TPackageWriter::Write(TStream& out, int64_t hostSize) const {
  const int64_t base = hostSize;
  auto directory = MakeRef<TIniFile>();
  TIniSection* protection = directory->SectionOrCreate("$protection$");
  int64_t position = base;
  for (const File& file : files_) {
    TStorageMethod method = TStorageMethod::Stored;
    std::string stored;
    if (options_.compress) {
      stored = DeflateRaw(file.bytes);
      if (stored.size() < file.bytes.size()) method = TStorageMethod::Compressed;
    }
    if (method == TStorageMethod::Stored) {
      stored = options_.cipher ? Cipher(file.bytes) : file.bytes;
      if (options_.cipher) method = TStorageMethod::Ciphered;
    }
    out.WriteBuffer(stored.data(), stored.size());
    TIniSection* section = directory->SectionOrCreate(EscapePackageName(file.name));
    SetInt64(section->FindOrCreate("_ps"), position);
    SetInt64(section->FindOrCreate("_sz"), int64_t(stored.size()));
    SetInt(section->FindOrCreate("_pm"), int32_t(method));
    position += int64_t(stored.size());
  }
  SetInt64(protection->FindOrCreate("strucpos"), position);
  SetBool(protection->FindOrCreate("allowmodify"), options_.allowModify);
  SetString(protection->FindOrCreate("zolversion"), options_.version);

  auto text = MakeRef<TMemoryStream>();
  directory->Save(*text, true);
  const std::string packed = DeflateRaw(text->View());
  out.WriteBuffer(packed.data(), packed.size());
  WriteInt64(out, position - base);
  out.WriteBuffer(kPackageMarker, 4);
  if (hostSize > 0) WriteInt64(out, position + int64_t(packed.size()) + 12 - base);
}

}  // namespace zol
