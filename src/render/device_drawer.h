// TDeviceDrawer: the scene drawer as the rest of the program sees it: frames,
// clipping, view and the drawing operations show objects call from their
// Draw. The base keeps the shared state and draws an item inside a frame;
// the scene drawer implements the rest. Used on the drawing thread; whole
// frames of all drawers are serialised by one process-wide drawing lock.
#pragma once

#include <cstdint>

#include "foundation/critical_section.h"
#include "foundation/ref.h"
#include "render/geometry.h"
#include "render/pixel_image.h"

namespace zol {

class TDrawDevice;
class TDrawItem;
class TFilterParams;
// Defined by the show model and the scene drawer.
class TZolImage;
struct TImageDrawParams;
struct TBoxParams;
class T3DYUV;

// A position and the two axis vectors of a flat shape, in canvas space.
struct TPlacement {
  TPoint3F position;
  TPoint3F xAxis;
  TPoint3F yAxis;
};

class TDeviceDrawer : public TRefObject {
 public:
  virtual void BeginDraw() = 0;
  // Ends the frame and presents it.
  virtual bool EndDraw() = 0;
  // The output can be drawn to.
  virtual bool IsReady() = 0;
  // An empty clip rectangle means the whole device rectangle.
  virtual void SetClipRect(const TRect& rect) { clipRect_ = rect; }
  // True while slides are rendered into textures for a 3D transition.
  virtual bool InSlideCapture() { return false; }
  virtual void Open(TDrawDevice* device) = 0;
  virtual void Close() = 0;
  virtual void PrepareImage(TZolImage& image, const TImageDrawParams& params) = 0;
  virtual void ReleaseImage(TZolImage& image) = 0;
  virtual void SetFixedSize(TSize size) = 0;
  virtual bool TestDevice() = 0;
  virtual void ClearAll(uint32_t colour, bool withDepth) = 0;
  virtual void ClearRect(uint32_t colour, const TRect& rect) = 0;
  // An offset added to every position; "shifted" when either part is non-zero.
  virtual bool SetShift(TPointF offset);
  // Draws ITEM inside a frame (or straight away when called from inside one).
  virtual bool DrawItem(TDrawItem& item);
  virtual void DrawTransition(TDrawItem* outgoing, TDrawItem* incoming, TFilterParams* params) = 0;
  virtual void DrawImage(TZolImage& image, const TPoint3F& position, const TImageDrawParams& params,
                         const TPoint3F& xAxis, const TPoint3F& yAxis, const TPointF& viewOffset) = 0;
  virtual void DrawBox(const TPoint3F& position, const TPointF& viewOffset, const TBoxParams& params,
                       const TPoint3F& xAxis, const TPoint3F& yAxis) = 0;
  virtual void DrawFrame(const TPlacement& placement, const TPointF& offset, bool smoothing, float opacity,
                         uint32_t colour, const TSizeF& size, const TSizeF& borderWidths) = 0;
  virtual TRef<T3DYUV> CreateVideoImage(int width, int height, bool rgba) = 0;
  virtual void DrawVideo(T3DYUV& frame, const TPoint3F& position, const TImageDrawParams& params,
                         const TPoint3F& xAxis, const TPoint3F& yAxis, const TPointF& viewOffset) = 0;
  virtual void FillQuad(const TPointF& p1, const TPointF& p2, uint32_t colour) = 0;
  virtual void DrawMasked(TDrawItem* mask, TDrawItem* content, float opacity, TZolImage* pattern) = 0;
  virtual void BeginSharpen() = 0;
  virtual void EndSharpen(float amount) = 0;
  virtual bool CaptureInto(TPixelImage& image) = 0;
  // A 32-bit image of the device rectangle filled by CaptureInto; none when that failed.
  virtual TRef<TPixelImage> Capture();
  virtual void SetView(const TRectF& viewRect, const TSizeF& viewSize, const TPoint3F& camera,
                       bool resetCanvas);

  // The clip rectangle, or the device rectangle when it is empty.
  TRect EffectiveClipRect() const;
  // The view rectangle when it has a positive size, else the device rectangle.
  TRectF EffectiveViewRect() const;
  // The view size when positive, else the device rectangle's size.
  TSizeF EffectiveViewSize() const;
  // Paints the bands between the device rectangle grown by one pixel and the
  // effective clip rectangle with COLOUR made opaque (letterbox bars).
  void FillFrame(uint32_t colour);

  // The largest size with A's aspect that fits in B, never larger than A.
  static TSize FitInside(TSize a, TSize b);
  // The same, allowed to enlarge.
  static TSize Fit(TSize a, TSize b);

  // The lock that serialises whole frames of every drawer.
  static TCriticalSection& DrawingLock();

  bool Shifted() const { return shifted_; }
  TPointF Shift() const { return shift_; }
  const TRect& DeviceRect() const { return deviceRect_; }
  const TRect& ClipRect() const { return clipRect_; }
  const TRect& DrawRect() const { return drawRect_; }
  const TPoint3F& Camera() const { return camera_; }

 protected:
  bool shifted_ = false;
  TPointF shift_;
  TRectF viewRect_;
  TSizeF viewSize_;
  TRect deviceRect_;
  TRect clipRect_;
  TRect drawRect_;
  TPoint3F camera_;
  int reentry_ = 0;
};

}  // namespace zol
