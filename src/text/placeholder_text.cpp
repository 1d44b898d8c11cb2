#include "text/placeholder_text.h"

#include "foundation/log.h"
#include "text/text_error.h"
#include "text/text_renderer.h"

namespace zol {

TRef<TPixelImage> RenderPlaceholderText(const std::vector<std::string>& lines, uint32_t textArgb,
                                        uint32_t backgroundArgb, double scale) {
  TTextParams params;
  params.lines = lines;
  params.textColor = textArgb;
  params.backgroundColor = backgroundArgb;
  try {
    if (TRef<TPixelImage> picture = RenderText(params, scale, nullptr).picture) return picture;
  } catch (const ETextError& e) {
    LogText(std::string("Placeholder text not drawn: ") + e.what());
  }
  auto blank = MakeRef<TPixelImage>(2, 2, TPixelFormat::kARGB32);
  blank->Fill(backgroundArgb);
  return blank;
}

}  // namespace zol
