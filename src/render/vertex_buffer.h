// TVertexBuffer: the screen's triangle batcher. Triangles drawn with the same
// textures collect here and reach the renderer as one triangle list when the
// textures change, the batch is full, or the screen flushes. The device list
// is rebuilt after device loss. Owned by the screen; drawing thread.
#pragma once

#include <cstdint>
#include <vector>

#include "render/geometry.h"
#include "render/screen_resource.h"
#include "render/vertex_list_3d.h"
#include "render/vertex_record.h"

namespace zol {

class TCustomTexture;

class TVertexBuffer : public TScreenResource {
 public:
  // Triangles one batch holds at least.
  static constexpr int kBatchTriangles = 1024;

  explicit TVertexBuffer(T3DScreen& screen);

  // Frees the device list and forgets pending triangles and textures.
  void Reset();
  // Flushes; makes sure the device list holds CAPACITY triangles with
  // TEXSETS coordinate sets (growing it when needed).
  void Ensure(int capacity, int texSets);
  // Binds COUNT textures for the triangles that follow; pending triangles of
  // other textures are drawn first. More textures than coordinate sets is an
  // internal-check failure.
  void Begin(TCustomTexture* const* textures, int count);
  // One triangle: device-space positions, colours and stage-0 coordinates.
  void AddTriangle(const TPoint3F positions[3], const uint32_t colours[3], const TPointF uv[3]);
  // Coordinates of another stage for the triangle added last.
  void AddTexCoords(int stage, TPointF uv0, TPointF uv1, TPointF uv2);
  // Draws the pending triangles; pending work and textures are cleared
  // whether or not drawing happened.
  void Flush();

  // Feathered edges: drawn with texture and vertex alpha multiplied.
  void SetEdgeMode(bool on);
  bool Translucent() const { return translucent_; }
  int Pending() const { return count_; }
  int Limit() const { return limit_; }
  int TexCoordSets() const { return texSets_; }
  T3DVertexList* DeviceList() const { return list_.get(); }

  void ReleaseDeviceObject() override { Reset(); }

 protected:
  void Dispose() override;

 private:
  static void ListNotice(void* context, T3DDeviceObject* sender);
  bool SameTextures(TCustomTexture* const* textures, int count) const;
  void BindTextures(TCustomTexture* const* textures, int count);
  bool MakeList();

  TRef<T3DVertexList> list_;
  int capacity_ = 0;  // triangles the device list holds
  int limit_ = kBatchTriangles;
  int texSets_ = 2;
  std::vector<TVertexRecord> pending_;  // 3 per triangle
  int count_ = 0;
  TRef<TCustomTexture> textures_[kMaxTexCoordSets];
  int textureCount_ = 0;
  bool translucent_ = true;
  bool edgeMode_ = false;
};

}  // namespace zol
