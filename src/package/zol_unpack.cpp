#include "package/zol_unpack.h"

#include <cstring>

#include "foundation/file_stream.h"
#include "foundation/ini_value.h"
#include "foundation/memory_stream.h"
#include "package/crypt_stream.h"
#include "package/inflate_stream.h"
#include "package/package_names.h"
#include "package/partial_stream.h"

namespace zol {
namespace {

constexpr const char* kProtection = "$protection$";

int64_t ReadInt64At(TStream& stream, int64_t position) {
  unsigned char bytes[8];
  stream.SetPosition(position);
  stream.ReadBuffer(bytes, sizeof bytes);
  uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | bytes[i];
  return int64_t(value);
}

bool MarkerAt(TStream& stream, int64_t position) {
  if (position < 0) return false;
  char bytes[4];
  stream.SetPosition(position);
  return stream.Read(bytes, 4) == 4 && std::memcmp(bytes, kPackageMarker, 4) == 0;
}

}  // namespace

TZolUnpack::TZolUnpack(const std::string& path)
    : directory_(std::make_unique<TPackageDirectory>(std::string_view())), path_(path) {
  Open();
}

void TZolUnpack::Open() {
  try {
    stream_ = MakeRef<TFileStream>(path_, TFileStream::Mode::Read);
  } catch (const EStreamError&) {
    error_ = "Slideshow File not Found";
    return;
  }
  const int64_t size = stream_->GetSize();
  if (MarkerAt(*stream_, size - 4)) {
    end_ = size;
    base_ = 0;
  } else if (MarkerAt(*stream_, size - 12) && size >= 20) {
    end_ = size - 8;
    const int64_t length = ReadInt64At(*stream_, size - 8);
    // A package holds at least its trailer and fits in its file.
    if (length < 12 || length > end_) throw EStreamError("Insufficient Source Size");
    base_ = end_ - length;
  } else {
    Close();  // not a package: no error text
    return;
  }

  const int64_t relativeStart = ReadInt64At(*stream_, end_ - 12);
  if (relativeStart < 0 || relativeStart > end_ - 12 - base_) throw EStreamError("Insufficient Source Size");
  const int64_t directoryStart = base_ + relativeStart;
  const int64_t directoryLength = end_ - 12 - directoryStart;
  TRef<TStream> text = OpenStoredWindow(OpenHostHandle(), int32_t(TStorageMethod::Compressed),
                                        directoryLength, directoryStart);
  // Like any project text, a directory this long is refused unread.
  auto* memory = static_cast<TMemoryStream*>(text.get());
  directory_ = std::make_unique<TPackageDirectory>(
      memory->GetSize() < TIniFile::kMaxTextSize ? memory->View() : std::string_view());

  const std::optional<std::string> stored = directory_->Value(kProtection, "strucpos");
  if (stored && *stored != std::to_string(directoryStart)) {
    if (!AllowModify()) {
      error_ = "Slide-show File Modified";
      Close();
      return;
    }
    std::optional<int64_t> packedAt = TextToInt64(*stored);
    if (!packedAt || *packedAt < 0 || *packedAt > directoryStart) {
      error_ = "Slide-show File Damaged";
      Close();
      return;
    }
    delta_ = directoryStart - *packedAt;
  }
  version_ = directory_->Value(kProtection, "zolversion").value_or("");
}

bool TZolUnpack::AllowModify() const {
  return TextToBool(directory_->Value(kProtection, "allowmodify").value_or("")).value_or(false);
}

std::optional<TPackageEntry> TZolUnpack::FindEntry(std::string_view name) const {
  const std::string section = EscapePackageName(PackageKey(name));
  auto number = [&](std::string_view key, int64_t fallback) {
    std::optional<std::string> value = directory_->Value(section, key);
    return value ? TextToInt64(*value).value_or(fallback) : fallback;
  };
  // A missing position is judged before the delta is added, so that a moved
  // package does not turn "no position" into a real one.
  int64_t position = number("_ps", -1);
  std::optional<std::string> method = directory_->Value(section, "_pm");
  TPackageEntry entry{0, number("_sz", -1), method ? TextToInt(*method).value_or(0) : 0};
  if (position == -1 || entry.size == -1) return std::nullopt;
  // Positions come from the file: an absurd one must not overflow.
  if (__builtin_add_overflow(position, delta_, &entry.position)) return std::nullopt;
  return entry;
}

TRef<TStream> TZolUnpack::OpenHostHandle() const {
  try {
    return MakeRef<TFileStream>(path_, TFileStream::Mode::Read);
  } catch (const EStreamError&) {
    return nullptr;
  }
}

TRef<TStream> TZolUnpack::OpenStoredWindow(TRef<TStream> host, int32_t method, int64_t length, int64_t start) {
  if (!host) return nullptr;
  auto window = MakeRef<TPartialStream>(std::move(host), length, start);
  switch (TStorageMethod(method)) {
    case TStorageMethod::Compressed:
      return InflateWhole(std::move(window));
    case TStorageMethod::Ciphered:
      return MakeRef<TCryptStream>(std::move(window), kPackageCipherKey);
    default:
      return window;
  }
}

void TZolUnpack::Dispose() {
  Close();
  TRefObject::Dispose();
}

}  // namespace zol
