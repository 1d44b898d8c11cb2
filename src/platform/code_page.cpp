#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

#include "platform/process.h"

namespace zol::platform {
namespace {

struct LanguageCodePage {
  const char* language;
  int codePage;
};

// Windows' ANSI code page per language; languages not listed use 1252.
constexpr LanguageCodePage kLanguages[] = {
    {"cs", 1250}, {"pl", 1250}, {"hu", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250},
    {"ro", 1250}, {"sq", 1250}, {"bs", 1250}, {"sr", 1251}, {"ru", 1251}, {"uk", 1251},
    {"be", 1251}, {"bg", 1251}, {"mk", 1251}, {"kk", 1251}, {"ky", 1251}, {"mn", 1251},
    {"tt", 1251}, {"el", 1253}, {"tr", 1254}, {"az", 1254}, {"uz", 1254}, {"he", 1255},
    {"iw", 1255}, {"yi", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"lt", 1257},
    {"lv", 1257}, {"et", 1257}, {"vi", 1258}, {"th", 874},  {"ja", 932},  {"ko", 949},
};

}  // namespace

int AnsiCodePageForLocale(std::string_view locale) {
  std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  std::string_view territory;
  if (auto us = locale.find('_'); us != std::string_view::npos)
    territory = locale.substr(us + 1, locale.find_first_of(".@", us) - us - 1);
  if (language == "zh") {
    // Traditional script for Taiwan, Hong Kong and Macau, simplified elsewhere.
    return territory == "TW" || territory == "HK" || territory == "MO" ? 950 : 936;
  }
  if (language == "sr" && locale.find("@latin") != std::string_view::npos) return 1250;
  for (const auto& entry : kLanguages)
    if (language == entry.language) return entry.codePage;
  return 1252;
}

int AnsiCodePage() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    auto value = GetEnv(name);
    if (value && !value->empty()) return AnsiCodePageForLocale(*value);
  }
  return 1252;
}

std::optional<std::string> CodePageToUtf8(std::string_view bytes, int codePage) {
  std::string from = "CP" + std::to_string(codePage);
  iconv_t cd = iconv_open("UTF-8", from.c_str());
  if (cd == iconv_t(-1)) return std::nullopt;
  std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);

  std::string out;
  out.resize(bytes.size() * 3 + 16);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* dst = out.data();
  size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1)) break;
    if (errno == E2BIG) {
      size_t used = size_t(dst - out.data());
      out.resize(out.size() * 2);
      dst = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    // An undefined or cut-off sequence: show a replacement character and
    // go on with the next byte.
    if (outLeft < 3) {
      size_t used = size_t(dst - out.data());
      out.resize(out.size() * 2);
      dst = out.data() + used;
      outLeft = out.size() - used;
    }
    *dst++ = char(0xEF);
    *dst++ = char(0xBF);
    *dst++ = char(0xBD);
    outLeft -= 3;
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(size_t(dst - out.data()));
  return out;
}

}  // namespace zol::platform
