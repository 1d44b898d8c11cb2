// TStream: the base of every byte stream (files, memory, package windows,
// cipher and inflate layers). Positions and sizes are signed 64-bit.
// A stream has one user at a time; it is not locked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "foundation/ref_object.h"

namespace zol {

// Failures of stream operations that stop the caller ("Stream read error", ...).
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TSeekOrigin { Beginning, Current, End };

class TStream : public TRefObject {
 public:
  virtual int64_t GetPosition() = 0;
  virtual void SetPosition(int64_t position) = 0;
  virtual int64_t GetSize() = 0;
  virtual void SetSize(int64_t size);
  virtual int64_t Remaining() { return GetSize() - GetPosition(); }
  // Moves relative to ORIGIN and returns the new position. The default goes
  // through SetPosition; streams that can only move in some ways override it.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin);
  // Replaces the content with everything SOURCE yields from its start (read
  // until it gives no more, so sources of unknown size work); the source's
  // position is restored afterwards.
  virtual void LoadFrom(TStream& source);
  virtual void Clear();
  // Copies COUNT bytes from the current position of SOURCE; returns the count.
  virtual int64_t CopyFrom(TStream& source, int64_t count);
  // Both return the number of bytes moved, which may be fewer than asked.
  virtual size_t Read(void* buffer, size_t count) = 0;
  virtual size_t Write(const void* buffer, size_t count) = 0;

  // Move exactly COUNT bytes or raise "Stream read error" / "Stream write error".
  void ReadBuffer(void* buffer, size_t count);
  void WriteBuffer(const void* buffer, size_t count);
};

}  // namespace zol
