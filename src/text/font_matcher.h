// TFontMatcher: family names to font files through fontconfig, and the
// fallback faces for characters a font lacks, in fontconfig's order of
// preference for the asked font (its coverage sort, which already puts the
// faces for the user's language first). Owned by the vectoriser and used only
// under its lock.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "text/font_file.h"
#include "text/font_request.h"

namespace zol {

class TFontMatcher {
 public:
  TFontMatcher();
  ~TFontMatcher();
  TFontMatcher(const TFontMatcher&) = delete;
  TFontMatcher& operator=(const TFontMatcher&) = delete;

  // Replaces the configuration: the one in CONFIGFILE, or the system's
  // (which honours FONTCONFIG_FILE) for an empty name. False when the file
  // cannot be loaded; the old configuration then stays.
  bool UseConfigFile(const std::string& configFile);
  // Makes one more font file known to this configuration.
  bool AddFontFile(const std::string& path);

  // The face fontconfig chooses for WANTED; nothing when it knows no font.
  std::optional<TFontFile> Match(const TFontRequest& wanted);
  // The first face, in fontconfig's order for WANTED, that has CH and
  // outlines; nothing when none has.
  std::optional<TFontFile> FallbackFor(char32_t ch, const TFontRequest& wanted);

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};

}  // namespace zol
