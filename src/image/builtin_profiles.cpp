#include "image/builtin_profiles.h"

#include <lcms2.h>

#include <memory>
#include <string>

#include "foundation/case_fold.h"

namespace zol {
namespace {

struct TPrimaries {
  cmsCIExyY red, green, blue;
};

constexpr cmsCIExyY kD65 = {0.3127, 0.3290, 1.0};

struct TCurveFreer {
  void operator()(cmsToneCurve* curve) const { cmsFreeToneCurve(curve); }
};
struct TProfileCloser {
  void operator()(void* profile) const { cmsCloseProfile(profile); }
};
struct TMluFreer {
  void operator()(cmsMLU* mlu) const { cmsMLUfree(mlu); }
};

// An RGB display profile from primaries and one tone curve for all three
// channels, as ICC bytes, with DESCRIPTION as its description text.
std::string MakeRgbProfile(const TPrimaries& primaries, std::unique_ptr<cmsToneCurve, TCurveFreer> curve,
                           const char* description) {
  if (!curve) return {};
  cmsToneCurve* curves[3] = {curve.get(), curve.get(), curve.get()};
  cmsCIExyYTRIPLE triple = {primaries.red, primaries.green, primaries.blue};
  std::unique_ptr<void, TProfileCloser> profile(cmsCreateRGBProfile(&kD65, &triple, curves));
  if (!profile) return {};
  // Version 2 keeps the description as plain ASCII near the start of the
  // file, where players look for the name of the standard profile.
  cmsSetProfileVersion(profile.get(), 2.1);
  std::unique_ptr<cmsMLU, TMluFreer> text(cmsMLUalloc(nullptr, 1));
  if (text && cmsMLUsetASCII(text.get(), "en", "US", description))
    cmsWriteTag(profile.get(), cmsSigProfileDescriptionTag, text.get());
  cmsUInt32Number size = 0;
  if (!cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0) return {};
  std::string bytes(size, '\0');
  if (!cmsSaveProfileToMem(profile.get(), bytes.data(), &size)) return {};
  bytes.resize(size);
  return bytes;
}

// IEC 61966-2.1: the piecewise curve, 2.4 power above a linear toe.
std::unique_ptr<cmsToneCurve, TCurveFreer> SrgbCurve() {
  const cmsFloat64Number params[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
  return std::unique_ptr<cmsToneCurve, TCurveFreer>(cmsBuildParametricToneCurve(nullptr, 4, params));
}

// Adobe RGB (1998): a pure power of 563/256.
std::unique_ptr<cmsToneCurve, TCurveFreer> AdobeCurve() {
  return std::unique_ptr<cmsToneCurve, TCurveFreer>(cmsBuildGamma(nullptr, 563.0 / 256.0));
}

constexpr TPrimaries kSrgbPrimaries = {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
constexpr TPrimaries kAdobePrimaries = {{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}};

struct TBuiltIns {
  TRef<TColorProfile> srgb, adobe, diziv;
  TBuiltIns() {
    srgb = MakeRef<TColorProfile>("sRGB", MakeRgbProfile(kSrgbPrimaries, SrgbCurve(), "sRGB IEC61966-2.1"));
    adobe =
        MakeRef<TColorProfile>("AdobeRGB", MakeRgbProfile(kAdobePrimaries, AdobeCurve(), "Adobe RGB (1998)"));
    // The player's own display space; its primaries are not published, so
    // it stands for an sRGB display under its own name.
    diziv = MakeRef<TColorProfile>("DizivAZI", MakeRgbProfile(kSrgbPrimaries, SrgbCurve(), "DizivAZI"));
  }
};

const TBuiltIns& BuiltIns() {
  static const TBuiltIns builtIns;
  return builtIns;
}

}  // namespace

TRef<TColorProfile> BuiltInProfile(std::string_view name) {
  if (EqualNoCase(name, "sRGB")) return BuiltIns().srgb;
  if (EqualNoCase(name, "AdobeRGB")) return BuiltIns().adobe;
  if (EqualNoCase(name, "DizivAZI")) return BuiltIns().diziv;
  return nullptr;
}

TRef<TColorProfile> StandardSrgbProfile() {
  return BuiltIns().srgb;
}

}  // namespace zol
