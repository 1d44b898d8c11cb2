// TFontReplacer: finds the face that draws a character the asked font lacks:
// the first fallback face, in fontconfig's order for that font, that has it,
// in the asked font's style. Remembers its answers. Owned by the vectoriser
// and used only under its lock.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "text/font_face.h"
#include "text/font_matcher.h"
#include "text/font_request.h"

namespace zol {

class TFontReplacer {
 public:
  // Opens (or finds among the open ones) the face of a file; null when it
  // cannot be read.
  using TFaceOpener = std::function<TFontFace*(const TFontFile& file)>;

  TFontReplacer(TFontMatcher& matcher, TFaceOpener opener)
      : matcher_(matcher), opener_(std::move(opener)) {}

  // The face for CH in place of WANTED; null when no installed face has it.
  TFontFace* Replace(char32_t ch, const TFontRequest& wanted);
  // Forgets the answers (the faces they name are going).
  void Clear() { answers_.clear(); }

 private:
  TFontMatcher& matcher_;
  TFaceOpener opener_;
  std::map<std::pair<std::string, char32_t>, TFontFace*> answers_;
};

}  // namespace zol
