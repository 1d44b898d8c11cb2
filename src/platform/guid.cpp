#include "platform/guid.h"

#include <sys/random.h>

#include <cstdint>
#include <cstdio>
#include <random>

namespace zol::platform {

std::string NewGuidText() {
  uint8_t b[16];
  if (getrandom(b, sizeof b, 0) != ssize_t(sizeof b)) {
    std::random_device device;
    for (auto& byte : b) byte = uint8_t(device());
  }
  b[6] = uint8_t((b[6] & 0x0F) | 0x40);  // version 4
  b[8] = uint8_t((b[8] & 0x3F) | 0x80);  // RFC 4122 variant
  char text[40];
  snprintf(text, sizeof text, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", b[0],
           b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
  return text;
}

}  // namespace zol::platform
