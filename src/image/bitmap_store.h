// TBitmapStore: a picture as a loader hands it out: name, size, pixel format
// and colour profile are known at once, the pixels are decoded on demand at
// one of four levels. Shared by reference through the image cache; GetBitmap
// may run on several threads at once (each call decodes a bitmap of its own).
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "foundation/ref.h"
#include "image/color_profile.h"
#include "package/image_store.h"
#include "render/pixel_image.h"

namespace zol {

class TBitmapStore : public TImageStore {
 public:
  // Called while decoding with the fraction done (0 … 1); false stops the decode.
  using ProgressRoutine = std::function<bool(double fraction)>;
  static constexpr int kMaxLevel = 3;

  const std::string& Name() const { return name_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // kRGB32 for pictures without alpha (24 bits in the file), kARGB32 with it.
  TPixelFormat Format() const { return format_; }
  int BitsPerPixel() const { return format_ == TPixelFormat::kARGB32 ? 32 : 24; }
  // The picture's own profile; none means the standard profile.
  const TRef<TColorProfile>& Profile() const { return profile_; }

  virtual void SetProgress(ProgressRoutine progress);

  // The pixels at LEVEL (0 full size; each level halves both sides, rounding
  // up; clamped to 0 … 3), in a new bitmap of Format(). None when the pixels
  // cannot be decoded or the progress routine stopped the decode.
  TRef<TPixelImage> GetBitmap(int level);

  // A side of SIZE pixels at LEVEL.
  static int LevelSize(int size, int level) {
    return int((int64_t(size) + (int64_t(1) << level) - 1) >> level);
  }

 protected:
  TBitmapStore(std::string name, int width, int height, TPixelFormat format,
               TRef<TColorProfile> profile = nullptr);

  // Decodes at LEVEL (already clamped); may throw, which counts as failure.
  virtual TRef<TPixelImage> Decode(int level) = 0;
  // Passes FRACTION to the progress routine; false when it asks to stop.
  bool ReportProgress(double fraction);
  ProgressRoutine Progress();
  void Dispose() override;

 private:
  const std::string name_;
  const int width_;
  const int height_;
  const TPixelFormat format_;
  TRef<TColorProfile> profile_;
  std::mutex progressLock_;  // guards progress_
  ProgressRoutine progress_;
};

}  // namespace zol
