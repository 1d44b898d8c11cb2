// The -picture command: one stored picture of the command line's show,
// written as a PNG file the way the player decodes it (turned as the show's
// rotation map asks, colours brought to the display profile, at a level).
// Main thread.
#pragma once

#include <string_view>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

class TCommandLine;
class TFileAccessor;

// The picture NAME of the show read through ACCESSOR at LEVEL (0 … 3) as
// the display shows it; the placeholder picture when it is missing or does
// not decode (none when no placeholder painter is installed either).
TRef<TPixelImage> RenderStoredPicture(TFileAccessor& accessor, std::string_view name, int level);

// `-picture NAME -o OUT.png [-level N]` with the show given as usual: writes
// the picture and gives exit code 0; a show that cannot be opened gives its
// message on standard error and 2; a bad request or an unwritable file 1.
int RunPictureCommand(TCommandLine& commandLine);

}  // namespace zol
