#include "text/stored_file.h"

#include "text/text_error.h"

namespace zol {

std::optional<std::string> ReadStoredFile(TFileAccessor& accessor, std::string_view name) {
  TRef<TStream> stream = accessor.OpenStream(name);
  if (!stream) return std::nullopt;
  try {
    const int64_t size = stream->GetSize() - stream->GetPosition();
    if (size < 0 || size > kMaxStoredTextFile)
      throw ETextFormatError(std::string(name) + ": impossible size " + std::to_string(size));
    std::string bytes(size_t(size), '\0');
    stream->ReadBuffer(bytes.data(), bytes.size());
    return bytes;
  } catch (const EStreamError& e) {
    throw ETextFormatError(std::string(name) + ": " + e.what());
  }
}

}  // namespace zol
