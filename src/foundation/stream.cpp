#include "foundation/stream.h"

#include <algorithm>
#include <vector>

namespace zol {

void TStream::SetSize(int64_t) { throw EStreamError("Stream Cannot be resized"); }

int64_t TStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::Beginning: SetPosition(offset); break;
    case TSeekOrigin::Current: SetPosition(GetPosition() + offset); break;
    case TSeekOrigin::End: SetPosition(GetSize() + offset); break;
  }
  return GetPosition();
}

void TStream::LoadFrom(TStream& source) {
  int64_t saved = source.GetPosition();
  source.SetPosition(0);
  SetPosition(0);
  SetSize(0);
  std::vector<char> buffer(65536);
  while (size_t n = source.Read(buffer.data(), buffer.size())) WriteBuffer(buffer.data(), n);
  SetPosition(0);
  source.SetPosition(saved);
}

void TStream::Clear() {
  SetPosition(0);
  SetSize(0);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  std::vector<char> buffer(size_t(std::min<int64_t>(std::max<int64_t>(count, 0), 65536)));
  int64_t copied = 0;
  while (copied < count) {
    size_t want = size_t(std::min<int64_t>(count - copied, int64_t(buffer.size())));
    source.ReadBuffer(buffer.data(), want);
    WriteBuffer(buffer.data(), want);
    copied += int64_t(want);
  }
  return copied;
}

void TStream::ReadBuffer(void* buffer, size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EStreamError("Stream write error");
}

}  // namespace zol
