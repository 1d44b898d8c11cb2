#include "package/inflate_stream.h"

#include "foundation/memory_stream.h"
#include "package/z_decompression_error.h"

namespace zol {

TInflateStream::TInflateStream(TRef<TStream> source, int64_t declaredSize)
    : TZDecompressionStream(std::move(source), -15), declaredSize_(declaredSize) {}

void TInflateStream::SetPosition(int64_t position) {
  if (position != GetPosition()) Seek(position, TSeekOrigin::Beginning);
}

void TInflateStream::SetSize(int64_t) { throw EZDecompressionError("Invalid ZStream operation!"); }

TRef<TStream> InflateWhole(TRef<TStream> source) {
  source->SetPosition(0);
  auto inflate = MakeRef<TInflateStream>(std::move(source), -1);
  auto memory = MakeRef<TMemoryStream>();
  memory->LoadFrom(*inflate);
  return memory;
}

}  // namespace zol
