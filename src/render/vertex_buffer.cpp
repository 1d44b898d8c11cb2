#include "render/vertex_buffer.h"

#include <algorithm>

#include "foundation/assertion.h"
#include "render/custom_texture.h"
#include "render/renderer_3d.h"
#include "render/screen_3d.h"
#include "render/texture_3d.h"

namespace zol {

TVertexBuffer::TVertexBuffer(T3DScreen& screen) : TScreenResource(screen) {
  pending_.resize(size_t(limit_) * 3);
}

void TVertexBuffer::ListNotice(void* context, T3DDeviceObject*) {
  static_cast<TVertexBuffer*>(context)->Reset();
}

void TVertexBuffer::Reset() {
  if (list_) list_->SetOwnerNotice({});
  list_ = nullptr;
  capacity_ = 0;
  count_ = 0;
  for (auto& t : textures_) t = nullptr;
  textureCount_ = 0;
}

bool TVertexBuffer::MakeList() {
  T3DRenderer* renderer = Screen() ? Screen()->UsableRenderer() : nullptr;
  if (!renderer) return false;
  int capacity = std::max(capacity_, limit_);
  list_ = renderer->CreateVertexList(3 * capacity, kVertexDiffuse, texSets_);
  if (!list_) return false;
  capacity_ = capacity;
  list_->SetOwnerNotice(&TVertexBuffer::ListNotice, this);
  return true;
}

void TVertexBuffer::Ensure(int capacity, int texSets) {
  Flush();
  if (list_ && capacity_ >= capacity && texSets_ >= texSets) return;
  if (list_) list_->SetOwnerNotice({});
  list_ = nullptr;
  // The batch never shrinks below its usual size, so a small request does
  // not make every 33rd triangle a draw call.
  limit_ = std::max({limit_, capacity, int(kBatchTriangles)});
  capacity_ = limit_;
  texSets_ = std::max(texSets_, texSets);
  pending_.resize(size_t(limit_) * 3);
  MakeList();
}

bool TVertexBuffer::SameTextures(TCustomTexture* const* textures, int count) const {
  if (count != textureCount_) return false;
  for (int i = 0; i < count; ++i)
    if (textures_[i].get() != textures[i]) return false;
  return true;
}

void TVertexBuffer::BindTextures(TCustomTexture* const* textures, int count) {
  for (int i = 0; i < kMaxTexCoordSets; ++i)
    textures_[i] = i < count ? TRef<TCustomTexture>(textures[i]) : nullptr;
  textureCount_ = count;
}

void TVertexBuffer::Begin(TCustomTexture* const* textures, int count) {
  ZOL_CHECK(count >= 0 && count <= texSets_, "More textures than texture coordinate sets");
  // Triangles of the same textures keep collecting: drawing them later in
  // one list gives the same picture, as order within a list is kept.
  if (count_ > 0 && !SameTextures(textures, count)) Flush();
  if (!list_) MakeList();
  BindTextures(textures, count);
}

void TVertexBuffer::AddTriangle(const TPoint3F positions[3], const uint32_t colours[3], const TPointF uv[3]) {
  if (count_ >= limit_) {
    ZOL_CHECK(textureCount_ <= 1, "Vertex buffer full with several textures bound");
    TCustomTexture* bound[1] = {textures_[0].get()};
    TRef<TCustomTexture> keep = textures_[0];
    int n = textureCount_;
    Flush();
    BindTextures(bound, n);
  }
  TVertexRecord* v = &pending_[size_t(count_) * 3];
  for (int i = 0; i < 3; ++i) {
    v[i] = TVertexRecord();
    v[i].x = positions[i].x, v[i].y = positions[i].y, v[i].z = positions[i].z;
    v[i].diffuse = colours[i];
    v[i].uv[0][0] = uv[i].x, v[i].uv[0][1] = uv[i].y;
  }
  ++count_;
}

void TVertexBuffer::AddTexCoords(int stage, TPointF uv0, TPointF uv1, TPointF uv2) {
  ZOL_CHECK(count_ > 0 && stage >= 0 && stage < kMaxTexCoordSets, "No triangle for texture coordinates");
  TVertexRecord* v = &pending_[size_t(count_ - 1) * 3];
  const TPointF uv[3] = {uv0, uv1, uv2};
  for (int i = 0; i < 3; ++i) v[i].uv[stage][0] = uv[i].x, v[i].uv[stage][1] = uv[i].y;
}

void TVertexBuffer::SetEdgeMode(bool on) {
  if (on != edgeMode_) Flush();
  edgeMode_ = on;
}

void TVertexBuffer::Flush() {
  // Whatever happens, the pending work is gone afterwards.
  int count = std::exchange(count_, 0);
  TRef<TCustomTexture> textures[kMaxTexCoordSets];
  int textureCount = std::exchange(textureCount_, 0);
  for (int i = 0; i < kMaxTexCoordSets; ++i) textures[i] = std::move(textures_[i]);
  if (count == 0 || !Screen()) return;
  // Local references: a device loss found during these calls lets the
  // owners drop theirs.
  TRef<T3DRenderer> renderer(Screen()->UsableRenderer());
  if (!renderer) return;
  if (!list_ && !MakeList()) return;
  TRef<T3DVertexList> list = list_;

  T3DTexture* device[kMaxTexCoordSets] = {};
  TRef<T3DTexture> hold[kMaxTexCoordSets];
  bool premultiplied = false;
  for (int i = 0; i < textureCount; ++i) {
    if (!textures[i]) continue;
    hold[i] = textures[i]->GetTexture();
    T3DTexture* t = device[i] = hold[i].get();
    if (!t) continue;
    t->SetAddressing(kAddressClamp, kAddressClamp);
    t->SetFilter(textures[i]->PointFilter() ? kFilterPoint : kFilterLinear);
    t->SetAnisotropic(textures[i]->Anisotropic());
    t->SetLodBias(textures[i]->LodBias());
    premultiplied = premultiplied || t->Premultiplied();
  }
  if (!renderer->IsUsable()) return;
  if (!list->Upload(0, pending_.data(), 3 * count, 0)) return;
  list->SetRange(0, count, kTriangleList);
  uint32_t flags;
  if (textureCount == 0)
    flags = kDrawModulateColor | kDrawModulateAlpha;
  else if (edgeMode_ || premultiplied)
    flags = kDrawTextured | kDrawModulateColor | kDrawModulateAlpha;
  else if (textureCount == 1)
    flags = kDrawTextured | kDrawModulateAlpha;
  else
    flags = kDrawTextured;
  renderer->DrawList(std::span<T3DTexture* const>(device, size_t(textureCount)), flags, *list, textureCount);
}

void TVertexBuffer::Dispose() {
  Reset();
  TScreenResource::Dispose();
}

}  // namespace zol
