#include "model/picture_kinds.h"

#include <mutex>

#include "model/slide_host.h"
#include "model/text_picture.h"
#include "model/zol_button.h"
#include "model/zol_image.h"
#include "model/zol_text.h"

namespace zol {

TObjectCreator PictureKindsCreator(TObjectCreator next) {
  return [next = std::move(next)](TZolObjectKind kind, TZolObject& parent,
                                  TZolObjectProps& node) -> TRef<TZolObject> {
    TRef<TZolObjectProps> bound(&node);
    switch (kind) {
      case TZolObjectKind::Image:
      case TZolObjectKind::AniImage:
        return TZolObject::Make<TZolImage>(&parent, std::move(bound));
      case TZolObjectKind::Text:
        return TZolObject::Make<TZolText>(&parent, std::move(bound));
      case TZolObjectKind::Button:
        return TZolObject::Make<TZolButton>(&parent, std::move(bound));
      default:
        return next ? next(kind, parent, node) : nullptr;
    }
  };
}

void InstallPictureKinds() {
  static std::once_flag once;
  std::call_once(once, [] {
    TObjectCreator previous = SetObjectCreator(nullptr);
    SetObjectCreator(PictureKindsCreator(std::move(previous)));
    TPictureGenerator text = SetDefaultPictureGenerator(TGeneratedPicture::Text, nullptr);
    SetDefaultPictureGenerator(TGeneratedPicture::Text, text ? std::move(text) : GenerateTextPicture);
  });
}

}  // namespace zol
