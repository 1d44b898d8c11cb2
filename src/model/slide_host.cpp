#include "model/slide_host.h"

#include <mutex>

#include "foundation/case_fold.h"
#include "foundation/ini_file.h"
#include "foundation/log.h"
#include "model/button_theme.h"

namespace zol {
namespace {

constexpr std::array<std::string_view, kGeneratedPictureKinds> kPrefixes = {
    "Button: ",      "Shadow: ",          "Text: ",         "Mask: ",
    "PresetedMask:", "SlideEffectBuffer", "EffectResource", "TextWithSize:",
};

struct TDefaultGenerators {
  std::mutex lock;
  std::array<TPictureGenerator, kGeneratedPictureKinds> generators;
};

TDefaultGenerators& Defaults() {
  static TDefaultGenerators defaults;
  return defaults;
}

// The ExeGUID file is a short text; anything longer is not one.
constexpr int64_t kMaxExeGuidSize = 4096;

std::string Trimmed(std::string text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string_view GeneratedPicturePrefix(TGeneratedPicture kind) {
  return kPrefixes[size_t(kind)];
}

std::optional<TGeneratedName> ParseGeneratedName(std::string_view name) {
  for (size_t i = 0; i < kPrefixes.size(); ++i)
    if (name.starts_with(kPrefixes[i]))
      return TGeneratedName{TGeneratedPicture(i), name.substr(kPrefixes[i].size())};
  return std::nullopt;
}

TPictureGenerator SetDefaultPictureGenerator(TGeneratedPicture kind, TPictureGenerator generator) {
  TDefaultGenerators& defaults = Defaults();
  std::lock_guard guard(defaults.lock);
  return std::exchange(defaults.generators[size_t(kind)], std::move(generator));
}

TZolSlideHost::TZolSlideHost(TRef<TFileAccessor> accessor) : accessor_(std::move(accessor)) {
  {
    TDefaultGenerators& defaults = Defaults();
    std::lock_guard guard(defaults.lock);
    generators_ = defaults.generators;
  }
  if (!accessor_) return;
  ReadExeGuid();
  // The accessor's source asks its providers before decoding a file, so
  // generated names reach the host wherever a picture is loaded by name.
  provider_ = accessor_->Source().RegisterImageProvider(
      [this](TFileSource&, std::string_view name) { return ProvidePicture(name); });
}

void TZolSlideHost::ReadExeGuid() {
  TRef<TStream> stream = accessor_->OpenStream("ExeGUID");
  if (!stream) return;
  try {
    const int64_t size = stream->GetSize();
    if (size <= 0 || size > kMaxExeGuidSize) return;
    std::string text(size_t(size), '\0');
    text.resize(stream->Read(text.data(), text.size()));
    exeGuid_ = Trimmed(std::move(text));
  } catch (const std::exception& e) {
    LogText(std::string("ExeGUID unreadable: ") + e.what());
  }
}

TRef<TPackedImage> TZolSlideHost::LoadPicture(std::string_view name) {
  return accessor_ ? accessor_->LoadImage(name) : nullptr;
}

TRef<TButtonTheme> TZolSlideHost::ButtonTheme(std::string_view theme) {
  const std::string key = FoldCaseText(theme);
  {
    std::lock_guard guard(themesLock_);
    for (const auto& [name, known] : themes_)
      if (name == key) return known;
  }
  // Read outside the lock: two threads asking at once both read, the first
  // to finish is kept.
  TRef<TButtonTheme> read;
  if (TRef<TStream> stream = accessor_ && !theme.empty()
                                 ? accessor_->OpenStream(ButtonThemePath(buttonFolder_, theme))
                                 : nullptr) {
    try {
      auto description = MakeRef<TIniFile>();
      if (description->Load(*stream)) read = MakeRef<TButtonTheme>(std::string(theme), *description);
    } catch (const std::exception& e) {
      LogText("Button theme \"" + std::string(theme) + "\" unreadable: " + e.what());
    }
  }
  std::lock_guard guard(themesLock_);
  for (const auto& [name, known] : themes_)
    if (name == key) return known;
  themes_.emplace_back(key, read);
  return read;
}

void TZolSlideHost::SetPictureGenerator(TGeneratedPicture kind, TPictureGenerator generator) {
  generators_[size_t(kind)] = std::move(generator);
}

TRef<TImageStore> TZolSlideHost::ProvidePicture(std::string_view name) {
  const std::optional<TGeneratedName> generated = ParseGeneratedName(name);
  if (!generated) return nullptr;
  const TPictureGenerator& generator = generators_[size_t(generated->kind)];
  if (!generator) return nullptr;
  try {
    return generator(*this, generated->rest);
  } catch (const std::exception& e) {
    // The loader then shows its placeholder instead of failing the slide.
    LogText("Generated picture failed: " + std::string(name) + ": " + e.what());
    return nullptr;
  }
}

void TZolSlideHost::Dispose() {
  provider_ = nullptr;  // unregisters before anything it uses goes
  {
    std::lock_guard guard(themesLock_);
    themes_.clear();
  }
  accessor_ = nullptr;
  TRefObject::Dispose();
}

}  // namespace zol
