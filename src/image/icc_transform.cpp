#include "image/icc_transform.h"

#include <lcms2.h>

#include <algorithm>
#include <mutex>

#include "foundation/log.h"

namespace zol {
namespace {

void LogLibraryError(cmsContext, cmsUInt32Number, const char* text) {
  LogText(std::string("Little CMS: ") + text);
}

// Adaptation state 0: colours are not adapted to the viewer's white point;
// the library's complaints go to our log instead of standard error.
void PrepareLibrary() {
  static std::once_flag once;
  std::call_once(once, [] {
    cmsSetLogErrorHandler(LogLibraryError);
    cmsSetAdaptationState(0);
  });
}

struct TProfileCloser {
  void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using TProfileHandle = std::unique_ptr<void, TProfileCloser>;

TProfileHandle OpenProfile(std::string_view icc) {
  if (icc.empty() || icc.size() > 0xFFFFFFFFu) return nullptr;
  return TProfileHandle(cmsOpenProfileFromMem(icc.data(), cmsUInt32Number(icc.size())));
}

std::string Description(cmsHPROFILE profile) {
  const cmsUInt32Number size = cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", nullptr, 0);
  if (size == 0) return {};
  std::string text(size, '\0');
  cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text.data(), size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

}  // namespace

TIccDescription DescribeIccProfile(std::string_view icc) {
  PrepareLibrary();
  TIccDescription result;
  TProfileHandle profile = OpenProfile(icc);
  if (!profile) return result;
  result.valid = true;
  result.colorSpace = cmsGetColorSpace(profile.get());
  result.deviceClass = cmsGetDeviceClass(profile.get());
  result.rgb = result.colorSpace == cmsSigRgbData;
  result.description = Description(profile.get());
  return result;
}

std::unique_ptr<TIccTransform> TIccTransform::Create(std::string_view from, std::string_view to,
                                                     TRenderingIntent intent) {
  PrepareLibrary();
  TProfileHandle source = OpenProfile(from), target = OpenProfile(to);
  if (!source || !target) return nullptr;
  // Our pixels are always 4 bytes, so the layout with the extra byte serves
  // pictures with and without alpha; the library leaves that byte alone.
  cmsHTRANSFORM handle =
      cmsCreateTransform(source.get(), TYPE_BGRA_8, target.get(), TYPE_BGRA_8, cmsUInt32Number(intent), 0);
  if (!handle) return nullptr;
  return std::make_unique<TIccTransform>(handle);
}

TIccTransform::~TIccTransform() {
  cmsDeleteTransform(handle_);
}

void TIccTransform::TransformPixels(uint8_t* pixels, size_t count) const {
  // The library counts pixels in 32 bits: long rows go in ranges.
  constexpr size_t kRange = size_t(1) << 24;
  for (size_t done = 0; done < count; done += kRange) {
    const size_t n = std::min(kRange, count - done);
    cmsDoTransform(handle_, pixels + done * 4, pixels + done * 4, cmsUInt32Number(n));
  }
}

}  // namespace zol
