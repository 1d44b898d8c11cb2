// Colours as 32-bit ARGB words: alpha in bits 24-31, red 16-23, green 8-15,
// blue 0-7. Stored in memory little-endian, that is bytes B, G, R, A.
#pragma once

#include <cstdint>

namespace zol {

constexpr uint32_t PackColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}
constexpr uint8_t ColorA(uint32_t c) {
  return uint8_t(c >> 24);
}
constexpr uint8_t ColorR(uint32_t c) {
  return uint8_t(c >> 16);
}
constexpr uint8_t ColorG(uint32_t c) {
  return uint8_t(c >> 8);
}
constexpr uint8_t ColorB(uint32_t c) {
  return uint8_t(c);
}
// The colour with full alpha.
constexpr uint32_t OpaqueColor(uint32_t c) {
  return c | 0xFF000000u;
}

// Channels as 0 .. 1 floats.
constexpr float ColorAf(uint32_t c) {
  return float(ColorA(c)) / 255.0f;
}
constexpr float ColorRf(uint32_t c) {
  return float(ColorR(c)) / 255.0f;
}
constexpr float ColorGf(uint32_t c) {
  return float(ColorG(c)) / 255.0f;
}
constexpr float ColorBf(uint32_t c) {
  return float(ColorB(c)) / 255.0f;
}

constexpr uint32_t kOpaqueBlack = 0xFF000000u;
constexpr uint32_t kTransparentBlack = 0x00000000u;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

}  // namespace zol
