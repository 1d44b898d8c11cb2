// TColorManagement: the process-wide colour management of pictures: the
// standard profile (built-in sRGB), the target profile (the display profile
// the current show's colour selection names, else the standard one), and the
// transform a picture's profile needs toward the target. Any thread; the
// resolved target is guarded by an internal lock. The system display's
// profile is handed over by the main thread.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "foundation/ref.h"
#include "image/color_profile.h"
#include "image/color_transform.h"
#include "package/colour_selection.h"

namespace zol {

class TFileSource;

class TColorManagement {
 public:
  static TColorManagement& Process();

  TRef<TColorProfile> StandardProfile() const;
  // The display profile of the current selection, or the standard profile.
  TRef<TColorProfile> TargetProfile();
  // The current show switched colour management off (or -noicc).
  bool ManagementOff();
  // The current show lets Little CMS make transforms (otherwise only the
  // show's own transform tables change colours).
  bool ConversionActive();

  // The profile the desktop gives the display (none to forget it); a
  // selection of the system's display profile uses it.
  void SetSystemDisplayProfile(std::optional<std::string> icc);
  void SetRenderingIntent(TRenderingIntent intent);

  // The transform a picture with PROFILE (none: the standard profile) needs,
  // looking for the show's transform table in TABLES (may be none); none when
  // management is off or the picture already is in the target profile.
  std::optional<TColorTransform> TransformFor(const TRef<TColorProfile>& profile, TFileSource* tables);
  // A colour of the project (standard profile) as the display shows it,
  // through the show's table in TABLES when it has one.
  uint32_t ToDisplay(uint32_t argb, TFileSource* tables = nullptr);

 private:
  TColorManagement();
  void Resolve();  // under lock_
  TRef<TPixelImage> FindTable(TFileSource& tables, const std::string& profileName);

  std::mutex lock_;  // guards everything below
  TColourSelection selection_;
  bool resolved_ = false;
  TRef<TColorProfile> display_;
  std::optional<std::string> systemProfile_;
  TRenderingIntent intent_ = TRenderingIntent::Perceptual;
  // Transform tables found (or not) per source serial and profile name.
  std::map<std::pair<uint32_t, std::string>, TRef<TPixelImage>> tables_;
};

// The name under which a show carries the transform table of PROFILENAME.
std::string TransformTableName(const std::string& profileName);

}  // namespace zol
