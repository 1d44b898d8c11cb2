// The OpenGL back end's engine: adapters are the desktop's monitors (one
// virtual monitor without a display), capabilities come from the GL driver,
// renderers get a context on their output's window or a headless one.
// InstallGLEngine makes it the engine Get3DEngine creates. Calls hold the
// device lock.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "render/engine_3d.h"

namespace zol {

class T3DRenderer;

void InstallGLEngine();

// Test hooks on a renderer of this back end (false for any other): the next
// call finds the context reset, as after a driver reset; the device memory
// available to new textures (< 0: no limit).
bool SimulateDeviceLoss(T3DRenderer& renderer);
bool SetVideoMemoryLimit(T3DRenderer& renderer, int64_t bytes);
// Bytes of device memory the renderer's textures use now; -1 for another back end.
int64_t VideoMemoryUsed(T3DRenderer& renderer);

class T3DEngineGL : public T3DEngine {
 public:
  int AdapterForRect(const TRect& rect) override;
  int GetCapsInt(std::string_view name, int adapter) override;
  std::string GetCapsString(std::string_view name, int adapter) override;
  bool GetAdapterInfo(TAdapterInfo& info, int adapter) override;
  TRef<T3DRenderer> CreateRenderer(TDrawDevice& device, const TAdapterInfo& info) override;
  bool CheckDevice() override;

 private:
  // The capabilities of one adapter, read once.
  struct TCapsWrapper {
    int pixelShaderVersion = 0;
    int maxTexWidth = 0;
    int maxTexHeight = 0;
    int maxAnisotropy = 0;
    int raster = 0;
    int vendor = 0;
    std::string description;
  };
  const TCapsWrapper& Caps(int adapter);

  std::map<int, TCapsWrapper> caps_;
};

// The PCI vendor id a driver's vendor and renderer texts stand for; 0 unknown.
int VendorIdFromDriverText(std::string_view vendor, std::string_view renderer);

}  // namespace zol
