#include "text/text_renderer.h"

#include "foundation/log.h"
#include "text/text_error.h"
#include "text/text_picture_name.h"
#include "text/vector_text_loader.h"

namespace zol {

TTextMeasure MeasureText(const TRef<TVectorText>& text, const TTextParams& params, double scale) {
  TTextProducer producer(text, TTextPaint::From(params, scale));
  return producer.Measure();
}

TRenderedText RenderText(const TTextParams& params, double scale, TFileAccessor* accessor,
                         std::function<bool(size_t line)> progress) {
  TTextPaint paint = TTextPaint::From(params, scale);
  paint.progress = std::move(progress);
  TTextProducer producer(LoadVectorText(params, accessor), std::move(paint));
  return producer.Paint();
}

TRef<TPixelImage> RenderTextPicture(std::string_view rest, TFileAccessor* accessor) {
  const std::optional<TTextRequest> request = DecodeTextRequest(rest);
  if (!request) {
    LogText("Not a text picture name: " + std::string(rest));
    return nullptr;
  }
  try {
    return RenderText(request->params, request->scale, accessor).picture;
  } catch (const ETextError& e) {
    LogText(std::string("Text not drawn: ") + e.what());
    return nullptr;
  }
}

}  // namespace zol
