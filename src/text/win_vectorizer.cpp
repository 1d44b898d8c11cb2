#include "text/win_vectorizer.h"

#include <cmath>

#include "foundation/utf8.h"
#include "text/bidi_levels.h"
#include "text/glyph_fitting.h"
#include "text/text_error.h"
#include "text/unicode_class.h"

namespace zol {
namespace {

std::string RequestKey(const TFontRequest& wanted) {
  return wanted.Family() + (wanted.bold ? "|b" : "|") + (wanted.italic ? "i" : "");
}

std::u32string Decode(std::string_view line) {
  std::u32string text;
  text.reserve(line.size());
  for (size_t pos = 0; pos < line.size();) {
    char32_t ch = utf8::Next(line, pos);
    if (ch >= utf8::kInvalidBase) ch = 0xFFFD;
    text.push_back(ch);
  }
  return text;
}

bool IsControl(char32_t ch) {
  return ch < 0x20 || (ch >= 0x7F && ch < 0xA0);
}

}  // namespace

TWinVectorizer& TWinVectorizer::Instance() {
  static TWinVectorizer vectorizer;
  return vectorizer;
}

TWinVectorizer::TWinVectorizer()
    : replacer_(matcher_, [this](const TFontFile& file) { return OpenFace(file); }) {}

TFontFace* TWinVectorizer::OpenFace(const TFontFile& file) {
  const std::string key = TFontFace::KeyOf(file);
  auto it = faces_.find(key);
  if (it == faces_.end()) it = faces_.emplace(key, TFontFace::Open(library_, file)).first;
  return it->second.get();
}

TFontFace& TWinVectorizer::FaceFor(const TFontRequest& font) {
  const std::string requestKey = RequestKey(font);
  if (auto it = resolved_.find(requestKey); it != resolved_.end()) return *it->second;
  TFontFace* face = nullptr;
  std::optional<TFontFile> file = matcher_.Match(font);
  if (file && file->outline) face = OpenFace(*file);
  if (!face) {
    // Not an outline font (or unreadable): the default family in its style.
    TFontRequest fallback = font;
    fallback.family = kDefaultFontFamily;
    file = matcher_.Match(fallback);
    if (file && file->outline) face = OpenFace(*file);
  }
  if (!face) throw ETextError("No outline font is installed for \"" + font.Family() + "\"");
  resolved_[requestKey] = face;
  return *face;
}

TGlyphData TWinVectorizer::MakeGlyph(TFontFace& face, uint16_t index) const {
  TGlyphData glyph = face.Glyph(index, kEmSize);
  if (glyphFitting_)
    FitGlyphOutline(glyph.path, glyph.metrics.originX, glyph.metrics.blackBoxX);
  return glyph;
}

TTextElement TWinVectorizer::ShapeLine(const TFontRequest& font, std::string_view line) {
  std::lock_guard guard(lock_);
  TFontFace& primary = FaceFor(font);
  const std::u32string text = Decode(line);
  const size_t n = text.size();
  TTextElement element;
  if (n == 0) return element;

  // The face of every character: the asked one when it has the glyph, else
  // the first fallback that has; marks and joiners stay with the face before
  // them when it can draw them.
  std::vector<TFontFace*> faces(n, &primary);
  for (size_t i = 0; i < n; ++i) {
    const char32_t ch = text[i];
    const bool follows = i > 0 && (IsShapingControl(ch) || BidiClassOf(ch) == TBidiClass::Mark);
    if (follows && (IsShapingControl(ch) || faces[i - 1]->HasGlyph(ch))) {
      faces[i] = faces[i - 1];
    } else if (!primary.HasGlyph(ch) && !IsControl(ch)) {
      if (TFontFace* replacement = replacer_.Replace(ch, font)) faces[i] = replacement;
    }
  }

  // Scripts: characters common to all scripts (spaces, punctuation) join
  // the script before them in the same face, else the one after them, so
  // that they do not split runs.
  std::vector<uint32_t> scripts(n);
  for (size_t i = 0; i < n; ++i) scripts[i] = ScriptOf(text[i]);
  for (size_t i = 1; i < n; ++i)
    if (scripts[i] == 0 && faces[i] == faces[i - 1]) scripts[i] = scripts[i - 1];
  for (size_t i = n - 1; i-- > 0;)
    if (scripts[i] == 0) scripts[i] = scripts[i + 1];
  for (size_t i = 1; i < n; ++i)
    if (scripts[i] == 0) scripts[i] = scripts[i - 1];

  const std::vector<uint8_t> levels = ResolveBidiLevels(text);

  struct TRun {
    size_t start, length;
    uint8_t level;
  };
  std::vector<TRun> runs;
  for (size_t i = 0; i < n;) {
    size_t end = i + 1;
    while (end < n && faces[end] == faces[i] && levels[end] == levels[i] && scripts[end] == scripts[i]) ++end;
    runs.push_back({i, end - i, levels[i]});
    i = end;
  }
  std::vector<uint8_t> runLevels;
  for (const TRun& run : runs) runLevels.push_back(run.level);

  double pen = 0;
  for (size_t r : VisualOrder(runLevels)) {
    const TRun& run = runs[r];
    TFontFace& face = *faces[run.start];
    const double scale = face.Scale(kEmSize);
    TShapedRun shaped;
    shaped.fontKey = face.Key();
    shaped.rightToLeft = run.level & 1;
    for (const TShapedGlyph& g : face.Shape(text, run.start, run.length, shaped.rightToLeft, scripts[run.start])) {
      shaped.glyphs.push_back({g.glyph, pen + g.xOffset * scale, -g.yOffset * scale});
      pen += g.xAdvance * scale;
    }
    element.runs.push_back(std::move(shaped));
  }
  element.width = pen;
  return element;
}

std::optional<TGlyphData> TWinVectorizer::GlyphData(std::string_view fontKey, uint16_t index) {
  std::lock_guard guard(lock_);
  auto it = faces_.find(fontKey);
  if (it == faces_.end() || !it->second) return std::nullopt;
  return MakeGlyph(*it->second, index);
}

TPath TWinVectorizer::GlyphOutline(const TGlyphInfo& glyph) {
  std::optional<TGlyphData> data = GlyphData(glyph.fontKey, glyph.index);
  return data ? std::move(data->path) : TPath();
}

TFontInfo TWinVectorizer::FontMetrics(const TFontRequest& font) {
  std::lock_guard guard(lock_);
  return FaceFor(font).Metrics(kEmSize);
}

bool TWinVectorizer::IsOutlineFont(const TFontRequest& font) {
  std::lock_guard guard(lock_);
  std::optional<TFontFile> file = matcher_.Match(font);
  return file && file->outline;
}

std::string TWinVectorizer::FontKey(const TFontRequest& font) {
  std::lock_guard guard(lock_);
  return FaceFor(font).Key();
}

void TWinVectorizer::SetGlyphFitting(bool on) {
  std::lock_guard guard(lock_);
  glyphFitting_ = on;
}

bool TWinVectorizer::UseFontConfiguration(const std::string& configFile) {
  std::lock_guard guard(lock_);
  if (!matcher_.UseConfigFile(configFile)) return false;
  replacer_.Clear();
  resolved_.clear();
  faces_.clear();
  return true;
}

bool TWinVectorizer::AddFontFile(const std::string& path) {
  std::lock_guard guard(lock_);
  replacer_.Clear();
  resolved_.clear();
  return matcher_.AddFontFile(path);
}

}  // namespace zol
