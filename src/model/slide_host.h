// TZolSlideHost: what a show's objects need from outside the slide: the
// show's file accessor, the display colour conversion, the camera, the
// transition-buffer size and the hit permission, and the routing of
// generated picture names ("Button: ...", "Shadow: ...") to the modules that
// draw them. One per show, made by the slide producer and shared by all its
// slides. Callbacks and generators are set before the host is shared; after
// that any thread may ask it.
#pragma once

#include <array>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/ref.h"
#include "package/callback_handle.h"
#include "package/file_accessor.h"
#include "package/image_store.h"
#include "render/geometry.h"

namespace zol {

class TButtonTheme;
class TIniSection;
class TZolObject;
class TZolSlideHost;

// The pictures a host makes instead of reading them from the package, each
// asked for by a name starting with its prefix.
enum class TGeneratedPicture : uint8_t {
  Button,             // "Button: " a button face
  Shadow,             // "Shadow: " a drop shadow
  Text,               // "Text: " rasterised text
  Mask,               // "Mask: " a picture turned into a mask
  PresetedMask,       // "PresetedMask:" a soft-edged mask from the mask generator
  SlideEffectBuffer,  // "SlideEffectBuffer" a blank buffer of the transition-buffer size
  EffectResource,     // "EffectResource" a transition's resource picture
  TextWithSize,       // "TextWithSize:" a placeholder of a given size
};
constexpr int kGeneratedPictureKinds = 8;

struct TGeneratedName {
  TGeneratedPicture kind;
  std::string_view rest;  // the name after the prefix
};

std::string_view GeneratedPicturePrefix(TGeneratedPicture kind);
// Which generated picture NAME asks for; none for a name of a stored file.
std::optional<TGeneratedName> ParseGeneratedName(std::string_view name);

// Draws one kind of generated picture from the rest of its name; none when it cannot.
using TPictureGenerator = std::function<TRef<TImageStore>(TZolSlideHost& host, std::string_view rest)>;
// The process-wide generator of KIND, installed at start-up by the module
// that draws it; returns the one replaced. Hosts take these when made.
TPictureGenerator SetDefaultPictureGenerator(TGeneratedPicture kind, TPictureGenerator generator);

class TZolSlideHost : public TRefObject {
 public:
  using CameraCallback = std::function<TPoint3F()>;
  using BufferSizeCallback = std::function<TSize()>;
  using HitPermission = std::function<bool(TZolObject& object)>;
  using ColorConverter = std::function<uint32_t(uint32_t rgb)>;
  using SectionLookup = std::function<TIniSection*(std::string_view name)>;

  static constexpr TPoint3F kDefaultCamera{0, 0, -1000};

  // A host for the show read through ACCESSOR (may be none): it answers the
  // generated names asked of the accessor's source and reads the show's
  // "ExeGUID" file.
  explicit TZolSlideHost(TRef<TFileAccessor> accessor);

  TFileAccessor* Accessor() const { return accessor_.get(); }
  // A picture by name through the accessor; none without one.
  TRef<TPackedImage> LoadPicture(std::string_view name);

  // The camera in canvas pixels; kDefaultCamera without a callback.
  void SetCameraCallback(CameraCallback callback) { camera_ = std::move(callback); }
  TPoint3F CameraPosition() const { return camera_ ? camera_() : kDefaultCamera; }
  void SetBufferSizeCallback(BufferSizeCallback callback) { bufferSize_ = std::move(callback); }
  TSize TransitionBufferSize() const { return bufferSize_ ? bufferSize_() : TSize{}; }
  void SetHitPermission(HitPermission permission) { hitPermission_ = std::move(permission); }
  bool MayHit(TZolObject& object) const { return !hitPermission_ || hitPermission_(object); }
  void SetSectionLookup(SectionLookup lookup) { sectionLookup_ = std::move(lookup); }
  TIniSection* FindSection(std::string_view name) const {
    return sectionLookup_ ? sectionLookup_(name) : nullptr;
  }

  // Colour management: project colours go through the display profile's
  // conversion when one is set; without one they are used as stored.
  void SetColorConverter(ColorConverter converter) { colorConverter_ = std::move(converter); }
  bool ColorManaged() const { return bool(colorConverter_); }
  uint32_t DisplayColor(uint32_t rgb) const { return colorConverter_ ? colorConverter_(rgb) : rgb; }

  // Show facts the producer hands over.
  void SetSlideCount(int count) { slideCount_ = count; }
  int SlideCount() const { return slideCount_; }
  void SetDesignSize(TSize size) { designSize_ = size; }
  TSize DesignSize() const { return designSize_; }
  void SetButtonFolder(std::string folder) { buttonFolder_ = std::move(folder); }
  const std::string& ButtonFolder() const { return buttonFolder_; }
  // The button theme THEME (any letter case) as described in the button
  // folder; none when the show has no such description. Read once, then
  // kept for the host's life.
  TRef<TButtonTheme> ButtonTheme(std::string_view theme);
  // The text of the show's "ExeGUID" file ("" when it has none); it keys the
  // show's cached glyphs.
  const std::string& ExeGuid() const { return exeGuid_; }

  // Replaces this host's generator of KIND.
  void SetPictureGenerator(TGeneratedPicture kind, TPictureGenerator generator);
  // Whether a generator of KIND is set: names of a kind nobody draws are not
  // worth asking the accessor for (it would paint a placeholder).
  bool HasPictureGenerator(TGeneratedPicture kind) const { return bool(generators_[size_t(kind)]); }
  // The generated picture NAME asks for; none when NAME is not a generated
  // name or no generator made it.
  TRef<TImageStore> ProvidePicture(std::string_view name);

 protected:
  void Dispose() override;

 private:
  void ReadExeGuid();

  TRef<TFileAccessor> accessor_;
  TRef<TCallbackHandle> provider_;
  CameraCallback camera_;
  BufferSizeCallback bufferSize_;
  HitPermission hitPermission_;
  SectionLookup sectionLookup_;
  ColorConverter colorConverter_;
  int slideCount_ = 0;
  TSize designSize_;
  std::string buttonFolder_;
  std::string exeGuid_;
  std::array<TPictureGenerator, kGeneratedPictureKinds> generators_;
  std::mutex themesLock_;  // guards themes_
  // Themes by folded name; a null theme: the description is missing.
  std::vector<std::pair<std::string, TRef<TButtonTheme>>> themes_;
};

}  // namespace zol
