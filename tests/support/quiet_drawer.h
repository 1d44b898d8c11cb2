// Test helper: a drawer whose operations do nothing, for tests that record or
// check only the few calls they care about (they override those).
#pragma once

#include <cstdlib>

#include "render/device_drawer.h"

namespace zol::test {

class TQuietDrawer : public TDeviceDrawer {
 public:
  void BeginDraw() override {}
  bool EndDraw() override { return true; }
  bool IsReady() override { return true; }
  void Open(TDrawDevice*) override {}
  void Close() override {}
  void PrepareImage(TZolImage&, const TImageDrawParams&) override {}
  void ReleaseImage(TZolImage&) override {}
  void SetFixedSize(TSize) override {}
  bool TestDevice() override { return true; }
  void ClearAll(uint32_t, bool) override {}
  void ClearRect(uint32_t, const TRect&) override {}
  void DrawTransition(TDrawItem*, TDrawItem*, TFilterParams*) override {}
  void DrawImage(TZolImage&, const TPoint3F&, const TImageDrawParams&, const TPoint3F&, const TPoint3F&,
                 const TPointF&) override {}
  void DrawBox(const TPoint3F&, const TPointF&, const TBoxParams&, const TPoint3F&, const TPoint3F&) override {}
  void DrawFrame(const TPlacement&, const TPointF&, bool, float, uint32_t, const TSizeF&,
                 const TSizeF&) override {}
  // Video frames belong to the scene drawer; tests never ask for them.
  TRef<T3DYUV> CreateVideoImage(int, int, bool) override { std::abort(); }
  void DrawVideo(T3DYUV&, const TPoint3F&, const TImageDrawParams&, const TPoint3F&, const TPoint3F&,
                 const TPointF&) override {}
  void FillQuad(const TPointF&, const TPointF&, uint32_t) override {}
  void DrawMasked(TDrawItem*, TDrawItem*, float, TZolImage*) override {}
  void BeginSharpen() override {}
  void EndSharpen(float) override {}
  bool CaptureInto(TPixelImage&) override { return false; }
};

}  // namespace zol::test
