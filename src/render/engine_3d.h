// T3DEngine: the process's one graphics engine: enumerates adapters (one per
// monitor), answers capability questions and creates a renderer per output.
// Created on first use by the factory the back end installs, freed at
// shutdown. Calls hold the device lock.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "foundation/ref.h"
#include "render/adapter_info.h"
#include "render/geometry.h"

namespace zol {

class TDrawDevice;
class T3DRenderer;

// Rasteriser capability bits ("raster").
enum : int {
  kRasterMipLodBias = 1 << 13,
  kRasterAnisotropy = 1 << 17,
};

class T3DEngine : public TRefObject {
 public:
  // Index of the adapter whose monitor overlaps RECT most; ties keep the
  // lower index; 0 when none overlaps.
  virtual int AdapterForRect(const TRect& rect) = 0;
  // By case-insensitive name: "pixelshaderversion" (major << 8 | minor),
  // "maxtexwidth", "maxtexheight", "maxanisotropy", "raster", "vendor" (PCI
  // vendor id); other names 0. Read once per adapter and cached.
  virtual int GetCapsInt(std::string_view name, int adapter) = 0;
  // "vendor": the adapter's description; anything else empty.
  virtual std::string GetCapsString(std::string_view name, int adapter) = 0;
  virtual bool GetAdapterInfo(TAdapterInfo& info, int adapter) = 0;
  // A renderer for DEVICE on the adapter of INFO; none on failure.
  virtual TRef<T3DRenderer> CreateRenderer(TDrawDevice& device, const TAdapterInfo& info) = 0;
  // False while a device is lost and cannot be used yet.
  virtual bool CheckDevice() { return true; }
  // 0 below pixel shader model 2.0; 1 for Intel (0x8086) below 3.0; else 2.
  virtual int ShaderLevel(int adapter);
};

using T3DEngineFactory = TRef<T3DEngine> (*)();

// Installs the back end's factory (replacing any earlier one).
void Set3DEngineFactory(T3DEngineFactory factory);
// The engine, created on first use under a lock; none when no factory is
// installed or creation failed.
TRef<T3DEngine> Get3DEngine();
// Frees the engine; the next Get3DEngine creates a new one.
void Free3DEngine();

int AdapterIndexForRect(std::span<const TRect> monitors, const TRect& rect);
int ShaderLevelFor(int pixelShaderVersion, int vendorId);

}  // namespace zol
