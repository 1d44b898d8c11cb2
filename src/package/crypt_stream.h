// TCryptStream: undoes (and applies) the package's position-keyed XOR over an
// inner stream: the byte at inner position p is XORed with key[p mod n]. One
// user at a time.
#pragma once

#include <string>

#include "foundation/ref.h"
#include "foundation/stream.h"

namespace zol {

class TCryptStream : public TStream {
 public:
  // A missing inner stream or an empty key is an internal-check failure.
  TCryptStream(TRef<TStream> inner, std::string key);

  int64_t GetPosition() override { return inner_->GetPosition(); }
  void SetPosition(int64_t position) override { inner_->SetPosition(position); }
  int64_t GetSize() override { return inner_->GetSize(); }
  void SetSize(int64_t size) override { inner_->SetSize(size); }
  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;

  TStream& Inner() { return *inner_; }

 protected:
  void Dispose() override;

 private:
  void Apply(char* bytes, size_t count, int64_t position) const;

  TRef<TStream> inner_;
  std::string key_;
  // The key repeated to a whole number of copies of at least 4 KiB, so that
  // long runs XOR against contiguous key bytes a word at a time.
  std::string tiledKey_;
};

}  // namespace zol
