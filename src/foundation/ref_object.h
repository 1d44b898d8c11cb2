// TRefObject: the intrusive reference-counted base of nearly every class.
// Counts change only atomically, so references may be taken and dropped on any
// thread; Dispose runs on the thread that drops the last one. Objects are made
// with MakeRef<T>(...) and held through TRef<T> (foundation/ref.h).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace zol {

template <class T> class TRef;

class TRefObject {
 public:
  TRefObject(const TRefObject&) = delete;
  TRefObject& operator=(const TRefObject&) = delete;

  // Takes one more reference; returns the new count.
  int AddRef() noexcept { return count_.fetch_add(1, std::memory_order_relaxed) + 1; }
  // Drops one reference; the object is freed when it was the last.
  void Release();
  // The ordinary free operation: drops one reference, and when none is left
  // disposes the object and gives its memory back. Freeing a shared object
  // leaves it alive for the other holders.
  void Free();

  int RefCount() const noexcept { return count_.load(std::memory_order_acquire); }
  bool IsDisposed() const noexcept { return flags_.load() & kDisposed; }

  // The class name as shown in internal-check texts (namespace removed).
  std::string ClassName() const;

 protected:
  TRefObject() = default;
  virtual ~TRefObject() = default;

  // Frees what the object owns. Every override ends by calling the inherited one.
  virtual void Dispose();

  // Drops a reference that was taken after Dispose already ran (a detached
  // thread keeping its object's memory); frees the memory when it was the last.
  void ReleaseDisposed();

 private:
  static constexpr uint8_t kCreated = 1, kConstructed = 2, kDisposed = 4;

  void AfterConstruction();
  template <class T, class... Args> friend TRef<T> MakeRef(Args&&... args);

  std::atomic<int32_t> count_{1};
  std::atomic<uint8_t> flags_{kCreated};
};

// AddRef on a possibly absent object: 0 when absent.
inline int AddRef(TRefObject* object) noexcept { return object ? object->AddRef() : 0; }

}  // namespace zol
