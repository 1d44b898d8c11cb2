// TTextPicture: the picture of a text object, made by the slide host for a
// "Text: " name: the painted text as a bitmap store, with what the text
// object needs besides the pixels (where the text's box and baseline sit in
// the picture, the line height, the glyph runs that can be clicked). Shared
// by reference through the image cache; immutable; any thread.
#pragma once

#include <string>
#include <string_view>

#include "foundation/ref.h"
#include "image/memory_bitmap_store.h"
#include "text/rendered_text.h"

namespace zol {

class TZolSlideHost;

class TTextPicture : public TMemoryBitmapStore {
 public:
  // RENDERED must carry a picture; the store takes it.
  TTextPicture(std::string name, TRenderedText rendered);

  // The text's measures; its picture is the store's bitmap, not repeated here.
  const TRenderedText& Rendered() const { return rendered_; }

 private:
  TRenderedText rendered_;
};

// The generator of "Text: " pictures: REST (the name after the prefix)
// decoded and painted with the fonts and stored layouts of HOST's show.
// None when REST is no text request or the text cannot be painted.
TRef<TImageStore> GenerateTextPicture(TZolSlideHost& host, std::string_view rest);

}  // namespace zol
