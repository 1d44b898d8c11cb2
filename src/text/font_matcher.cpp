#include "text/font_matcher.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>

#include "foundation/log.h"

namespace zol {
namespace {

struct TConfigDeleter {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
struct TPatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct TFontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct TCharSetDeleter {
  void operator()(FcCharSet* c) const { FcCharSetDestroy(c); }
};
using TConfigPtr = std::unique_ptr<FcConfig, TConfigDeleter>;
using TPatternPtr = std::unique_ptr<FcPattern, TPatternDeleter>;
using TFontSetPtr = std::unique_ptr<FcFontSet, TFontSetDeleter>;
using TCharSetPtr = std::unique_ptr<FcCharSet, TCharSetDeleter>;

std::string RequestKey(const TFontRequest& wanted) {
  return wanted.Family() + (wanted.bold ? "|b" : "|") + (wanted.italic ? "i" : "");
}

// A pattern asking for WANTED, completed with the configuration's defaults.
TPatternPtr RequestPattern(FcConfig* config, const TFontRequest& wanted) {
  TPatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(wanted.Family().c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, wanted.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, wanted.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  return pattern;
}

bool BoolOf(FcPattern* font, const char* object, bool fallback) {
  FcBool value;
  return FcPatternGetBool(font, object, 0, &value) == FcResultMatch ? value != FcFalse : fallback;
}

std::optional<TFontFile> FileOf(FcPattern* font, const TFontRequest& wanted) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
  TFontFile result;
  result.path = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) result.index = index;
  FcChar8* family = nullptr;
  if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch && family)
    result.family = reinterpret_cast<const char*>(family);
  result.outline = BoolOf(font, FC_OUTLINE, false) && BoolOf(font, FC_SCALABLE, false);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(font, FC_SLANT, 0, &slant);
  result.embolden = wanted.bold && weight < FC_WEIGHT_DEMIBOLD;
  result.oblique = wanted.italic && slant == FC_SLANT_ROMAN;
  return result;
}

struct TCandidate {
  TFontFile file;
  TCharSetPtr charset;
};

}  // namespace

struct TFontMatcher::TImpl {
  TConfigPtr config;
  // Per asked font, the faces in fontconfig's order with their coverage.
  std::map<std::string, std::vector<TCandidate>> fallbacks;
};

TFontMatcher::TFontMatcher() : impl_(std::make_unique<TImpl>()) {
  UseConfigFile("");
}

TFontMatcher::~TFontMatcher() = default;

bool TFontMatcher::UseConfigFile(const std::string& configFile) {
  TConfigPtr config;
  if (configFile.empty()) {
    config.reset(FcInitLoadConfigAndFonts());
  } else if (std::error_code error; std::filesystem::is_regular_file(configFile, error)) {
    config.reset(FcConfigCreate());
    if (config && (!FcConfigParseAndLoad(config.get(), reinterpret_cast<const FcChar8*>(configFile.c_str()), FcTrue) ||
                   !FcConfigBuildFonts(config.get())))
      config.reset();
  }
  if (!config) {
    LogText("Font configuration not loaded: " + (configFile.empty() ? std::string("(system)") : configFile));
    return false;
  }
  impl_->config = std::move(config);
  impl_->fallbacks.clear();
  return true;
}

bool TFontMatcher::AddFontFile(const std::string& path) {
  if (!impl_->config) return false;
  impl_->fallbacks.clear();
  return FcConfigAppFontAddFile(impl_->config.get(), reinterpret_cast<const FcChar8*>(path.c_str())) != FcFalse;
}

std::optional<TFontFile> TFontMatcher::Match(const TFontRequest& wanted) {
  if (!impl_->config) return std::nullopt;
  TPatternPtr pattern = RequestPattern(impl_->config.get(), wanted);
  FcResult result;
  TPatternPtr font(FcFontMatch(impl_->config.get(), pattern.get(), &result));
  if (!font) return std::nullopt;
  return FileOf(font.get(), wanted);
}

std::optional<TFontFile> TFontMatcher::FallbackFor(char32_t ch, const TFontRequest& wanted) {
  if (!impl_->config) return std::nullopt;
  auto [entry, isNew] = impl_->fallbacks.try_emplace(RequestKey(wanted));
  std::vector<TCandidate>& candidates = entry->second;
  if (isNew) {
    TPatternPtr pattern = RequestPattern(impl_->config.get(), wanted);
    FcResult result;
    TFontSetPtr set(FcFontSort(impl_->config.get(), pattern.get(), FcTrue, nullptr, &result));
    for (int i = 0; set && i < set->nfont; ++i) {
      FcCharSet* charset = nullptr;
      if (FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch) continue;
      std::optional<TFontFile> file = FileOf(set->fonts[i], wanted);
      if (!file || !file->outline) continue;
      candidates.push_back({std::move(*file), TCharSetPtr(FcCharSetCopy(charset))});
    }
  }
  for (const TCandidate& candidate : candidates)
    if (FcCharSetHasChar(candidate.charset.get(), FcChar32(ch))) return candidate.file;
  return std::nullopt;
}

}  // namespace zol
