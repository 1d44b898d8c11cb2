#include "render/engine_3d.h"

#include <mutex>

namespace zol {

namespace {
std::mutex& EngineMutex() {
  static std::mutex m;
  return m;
}
T3DEngineFactory gFactory = nullptr;
TRef<T3DEngine>& EngineSlot() {
  static TRef<T3DEngine> slot;  // the engine is freed at process end
  return slot;
}
}  // namespace

int T3DEngine::ShaderLevel(int adapter) {
  return ShaderLevelFor(GetCapsInt("pixelshaderversion", adapter), GetCapsInt("vendor", adapter));
}

void Set3DEngineFactory(T3DEngineFactory factory) {
  std::lock_guard lock(EngineMutex());
  gFactory = factory;
}

TRef<T3DEngine> Get3DEngine() {
  std::lock_guard lock(EngineMutex());
  TRef<T3DEngine>& slot = EngineSlot();
  if (!slot && gFactory) slot = gFactory();
  return slot;
}

void Free3DEngine() {
  TRef<T3DEngine> engine;
  {
    std::lock_guard lock(EngineMutex());
    engine = std::move(EngineSlot());
  }
}

int AdapterIndexForRect(std::span<const TRect> monitors, const TRect& rect) {
  int best = 0;
  int64_t bestArea = 0;
  for (size_t i = 0; i < monitors.size(); ++i) {
    int64_t area = monitors[i].OverlapArea(rect);
    if (area > bestArea) best = int(i), bestArea = area;
  }
  return best;
}

int ShaderLevelFor(int pixelShaderVersion, int vendorId) {
  if (pixelShaderVersion < 0x0200) return 0;
  if (vendorId == 0x8086 && pixelShaderVersion < 0x0300) return 1;
  return 2;
}

}  // namespace zol
