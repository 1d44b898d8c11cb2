#include "shell/picture_command.h"

#include <cstdio>
#include <exception>
#include <string>

#include "foundation/case_fold.h"
#include "foundation/command_line.h"
#include "image/bitmap_store.h"
#include "image/color_management.h"
#include "image/image_loaders.h"
#include "image/picture.h"
#include "image/png_writer.h"
#include "package/colour_selection.h"
#include "package/file_accessor.h"
#include "package/image_decoding.h"
#include "platform/display_profile.h"
#include "shell/show_opener.h"

namespace zol {
namespace {

void PrintError(const std::string& message) {
  std::string shown = message;
  for (char& c : shown)
    if (c == '\r') c = '\n';
  fprintf(stderr, "%s\n", shown.c_str());
}

// The show to open: as for every command, except that a show named after
// this command's own values ("-picture NAME -o OUT SHOW") counts as the
// first plain argument too.
TShowRequest PictureShowRequest(TCommandLine& commandLine) {
  const bool named = commandLine.OptionValue("filename") || commandLine.OptionValue("exename") ||
                     commandLine.OptionValue("", 1);
  if (!named)
    for (const char* option : {"picture", "o", "level"})
      if (auto show = commandLine.OptionValue(option, 1)) {
        const bool project = show->size() >= 4 && EqualNoCase(show->substr(show->size() - 4), ".zol");
        return {ResolveAgainstProgramFolder(*show), !project};
      }
  return ShowRequestFromCommandLine(commandLine);
}

TRef<TPixelImage> PlaceholderPicture(std::string_view name, bool loadFailed, int level) {
  TRef<TImageStore> placeholder = PaintPlaceholder(name, loadFailed, false);
  auto* store = dynamic_cast<TBitmapStore*>(placeholder.get());
  return store ? store->GetBitmap(level) : nullptr;
}

}  // namespace

TRef<TPixelImage> RenderStoredPicture(TFileAccessor& accessor, std::string_view name, int level) {
  InstallImageLoaders();
  TRef<TPackedImage> image = accessor.LoadImage(name);
  if (!image) return nullptr;
  TBitmapStore* store = PictureStore(*image);
  if (!store) return nullptr;
  if (TRef<TPixelImage> bitmap = DecodeForDisplay(*store, level, &accessor.Source())) return bitmap;
  // The header was fine but the pixels are not: shown as a load error.
  return PlaceholderPicture(name, true, level);
}

int RunPictureCommand(TCommandLine& commandLine) {
  const auto name = commandLine.OptionValue("picture");
  const auto out = commandLine.OptionValue("o");
  if (!name || !out) {
    PrintError("usage: zolviewer SHOW -picture NAME -o OUT.png [-level 0..3]");
    return 1;
  }
  int level = 0;
  if (auto text = commandLine.OptionValue("level")) {
    level = TCommandItem(*text).AsInt(-1);
    if (level < 0 || level > TBitmapStore::kMaxLevel) {
      PrintError("-level must be 0, 1, 2 or 3");
      return 1;
    }
  }
  std::string message;
  TRef<TZolShowLocator> locator;
  try {
    locator = OpenRequestedShow(PictureShowRequest(commandLine), message);
  } catch (const std::exception& e) {
    message = e.what();
  }
  if (!locator) {
    PrintError(message);
    return 2;
  }
  if (CurrentColourSelection().profile == TColourSelection::Profile::Display)
    TColorManagement::Process().SetSystemDisplayProfile(platform::PrimaryDisplayIccProfile());
  TRef<TPixelImage> picture = RenderStoredPicture(locator->Accessor(), *name, level);
  if (!picture) {
    const bool found = bool(locator->Accessor().OpenStream(*name));
    PrintError(std::string(PlaceholderMessage(found, false)) + " " + *name);
    return 1;
  }
  std::string error;
  if (!WritePngFile(*picture, *out, error)) {
    PrintError(error);
    return 1;
  }
  return 0;
}

}  // namespace zol
