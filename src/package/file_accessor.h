// TFileAccessor: a show's file system: open a file or load a picture by name
// from its source, or find a file on disk. Shared by reference; the loader and
// engine threads use accessors concurrently (each source locks its opens).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "foundation/ref.h"
#include "foundation/stream.h"
#include "package/file_source.h"
#include "package/packed_image.h"

namespace zol {

class TFileAccessor : public TRefObject {
 public:
  static constexpr int32_t kYieldInterval = 32768;

  explicit TFileAccessor(TRef<TFileSource> source);

  // The named file as a window of its own, with the load-yield hook.
  TRef<TStream> OpenStream(std::string_view name);
  // The named picture, decoded once per source; a placeholder picture when it
  // is missing or does not decode.
  TRef<TPackedImage> LoadImage(std::string_view name);
  // A disk file: as named, through the path modifiers, or in the base folder.
  std::optional<std::string> ResolveDiskFile(std::string_view name);
  TRef<TStream> OpenDiskFile(std::string_view name);
  // A new accessor on the same source with the same base folder.
  TRef<TFileAccessor> Clone() const;

  TFileSource& Source() const { return *source_; }
  int32_t ImageLevel() const { return imageLevel_; }
  void SetImageLevel(int32_t level) { imageLevel_ = level; }
  // A folder path with its trailing separator ("" for none).
  const std::string& BaseFolder() const { return baseFolder_; }
  void SetBaseFolder(std::string folder);

 protected:
  void Dispose() override;

 private:
  TRef<TFileSource> source_;
  int32_t imageLevel_ = 0;
  std::string baseFolder_;
};

// The process-wide accessor over plain disk files.
TRef<TFileAccessor> DefaultFileAccessor();

// Wraps STREAM in a window over its whole length with the load-yield hook.
TRef<TStream> WrapWithYield(TRef<TStream> stream);

}  // namespace zol
