#include "image/color_management.h"

#include <fstream>
#include <iterator>

#include "foundation/log.h"
#include "image/builtin_profiles.h"
#include "image/color_cube.h"
#include "image/image_loader_registry.h"
#include "image/picture_limits.h"
#include "package/disk_path.h"
#include "package/file_source.h"

namespace zol {
namespace {

bool SameSelection(const TColourSelection& a, const TColourSelection& b) {
  return a.managementOff == b.managementOff && a.conversionActive == b.conversionActive &&
         a.profile == b.profile && a.name == b.name;
}

// An RGB profile from ICC bytes, or none when they are not one.
TRef<TColorProfile> UsableProfile(std::string name, std::string icc) {
  if (!DescribeIccProfile(icc).rgb) {
    LogText("Colour profile ignored (not an RGB profile): " + name);
    return nullptr;
  }
  return MakeRef<TColorProfile>(std::move(name), std::move(icc));
}

TRef<TColorProfile> ProfileFromFile(const std::string& path) {
  auto found = FindDiskFile(path);
  if (!found) return nullptr;
  std::ifstream in(*found, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) return nullptr;
  if (bytes.size() > kMaxMetadataBytes) return nullptr;
  return UsableProfile(path, std::move(bytes));
}

}  // namespace

std::string TransformTableName(const std::string& profileName) {
  return "ColorSpaceExe_" + profileName + "].KVGFX";
}

TColorManagement& TColorManagement::Process() {
  static TColorManagement management;
  return management;
}

TColorManagement::TColorManagement() = default;

TRef<TColorProfile> TColorManagement::StandardProfile() const {
  return StandardSrgbProfile();
}

void TColorManagement::Resolve() {
  const TColourSelection current = CurrentColourSelection();
  if (resolved_ && SameSelection(current, selection_)) return;
  selection_ = current;
  resolved_ = true;
  tables_.clear();
  display_.reset();
  switch (current.profile) {
    case TColourSelection::Profile::None:
      break;
    case TColourSelection::Profile::Display:
      if (systemProfile_) display_ = UsableProfile("Display", *systemProfile_);
      break;
    case TColourSelection::Profile::BuiltIn:
      display_ = BuiltInProfile(current.name);
      break;
    case TColourSelection::Profile::File:
      display_ = ProfileFromFile(current.name);
      break;
  }
}

TRef<TColorProfile> TColorManagement::TargetProfile() {
  std::lock_guard guard(lock_);
  Resolve();
  return display_ ? display_ : StandardProfile();
}

bool TColorManagement::ManagementOff() {
  std::lock_guard guard(lock_);
  Resolve();
  return selection_.managementOff;
}

bool TColorManagement::ConversionActive() {
  std::lock_guard guard(lock_);
  Resolve();
  return selection_.conversionActive;
}

void TColorManagement::SetSystemDisplayProfile(std::optional<std::string> icc) {
  std::lock_guard guard(lock_);
  systemProfile_ = std::move(icc);
  resolved_ = false;
}

void TColorManagement::SetRenderingIntent(TRenderingIntent intent) {
  std::lock_guard guard(lock_);
  intent_ = intent;
}

TRef<TPixelImage> TColorManagement::FindTable(TFileSource& tables, const std::string& profileName) {
  const auto key = std::make_pair(tables.Serial(), profileName);
  if (auto it = tables_.find(key); it != tables_.end()) return it->second;
  TRef<TPixelImage> table;
  TRef<TStream> stream;
  {
    std::lock_guard sourceGuard(tables.Lock());
    stream = tables.Open(TransformTableName(profileName));
  }
  if (stream) {
    const std::string name = TransformTableName(profileName);
    if (TRef<TBitmapStore> store = TImageLoaderRegistry::Process().Open(*stream, name)) {
      TRef<TPixelImage> bitmap = store->GetBitmap(0);
      if (bitmap && IsCubeBitmap(*bitmap))
        table = bitmap;
      else
        LogText("Colour transform table ignored (not a 32 x 1024 cube): " + name);
    }
  }
  tables_[key] = table;
  return table;
}

std::optional<TColorTransform> TColorManagement::TransformFor(const TRef<TColorProfile>& profile,
                                                              TFileSource* tables) {
  std::lock_guard guard(lock_);
  Resolve();
  if (selection_.managementOff) return std::nullopt;
  TRef<TColorProfile> from = profile ? profile : StandardProfile();
  TRef<TColorProfile> to = display_ ? display_ : StandardProfile();
  if (from->SameAs(*to)) return std::nullopt;
  TRef<TPixelImage> table = tables ? FindTable(*tables, from->Name()) : nullptr;
  return TColorTransform(std::move(from), std::move(to), std::move(table), tables ? tables->Serial() : 0,
                         selection_.conversionActive, intent_);
}

uint32_t TColorManagement::ToDisplay(uint32_t argb, TFileSource* tables) {
  std::optional<TColorTransform> transform = TransformFor(nullptr, tables);
  return transform ? transform->ApplyToColor(argb) : argb;
}

}  // namespace zol
