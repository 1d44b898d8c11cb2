#include "model/text_picture.h"

#include "foundation/log.h"
#include "model/slide_host.h"
#include "text/text_error.h"
#include "text/text_picture_name.h"
#include "text/text_renderer.h"

namespace zol {

TTextPicture::TTextPicture(std::string name, TRenderedText rendered)
    : TMemoryBitmapStore(std::move(name), rendered.picture), rendered_(std::move(rendered)) {
  rendered_.picture = nullptr;
}

TRef<TImageStore> GenerateTextPicture(TZolSlideHost& host, std::string_view rest) {
  const std::optional<TTextRequest> request = DecodeTextRequest(rest);
  if (!request) {
    LogText("Not a text picture name: " + std::string(rest));
    return nullptr;
  }
  try {
    TRenderedText rendered = RenderText(request->params, request->scale, host.Accessor());
    if (!rendered.picture) return nullptr;
    return MakeRef<TTextPicture>(std::string(kTextPicturePrefix) + std::string(rest), std::move(rendered));
  } catch (const ETextError& e) {
    LogText(std::string("Text not drawn: ") + e.what());
    return nullptr;
  }
}

}  // namespace zol
