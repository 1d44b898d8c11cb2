// The object kinds that show pictures: images and animated images, texts
// and buttons. Their creator wraps the one installed before it, and the text
// renderer becomes the slide hosts' painter of "Text: " pictures. Installed
// once at start-up; creating objects then happens on any loader thread.
#pragma once

#include "model/object_creator.h"

namespace zol {

// A creator that makes TZolImage for "Image" and "AniImage", TZolText for
// "Text" and TZolButton for "Button", and passes other kinds to NEXT.
TObjectCreator PictureKindsCreator(TObjectCreator next);

// Installs PictureKindsCreator over the current creator and, unless one is
// set, the text renderer as the default generator of "Text: " pictures.
// Only the first call in a process does anything.
void InstallPictureKinds();

}  // namespace zol
