// The generated picture name of a text ("Text: " + this encoding): the text
// parameters and the rasterisation scale, written so that the name survives
// the image cache's case folding (every upper-case letter, separator and
// non-ASCII byte is percent-escaped) and reads back to the same request.
// Pure functions; any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/text_params.h"

namespace zol {

inline constexpr std::string_view kTextPicturePrefix = "Text: ";

struct TTextRequest {
  TTextParams params;
  double scale = 1;
  friend bool operator==(const TTextRequest&, const TTextRequest&) = default;
};

// The part of the name after "Text: ".
std::string EncodeTextRequest(const TTextRequest& request);
// Nothing when REST is not such an encoding (or its scale is not a positive
// finite number).
std::optional<TTextRequest> DecodeTextRequest(std::string_view rest);

}  // namespace zol
