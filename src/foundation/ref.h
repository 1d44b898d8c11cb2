// TRef<T>: a smart pointer holding one reference to a TRefObject, and
// MakeRef<T>(...), the only way objects are created. A TRef is as thread-safe
// as a raw pointer: share the object, not the TRef.
#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>

#include "foundation/ref_object.h"

namespace zol {

template <class T>
class TRef {
 public:
  TRef() noexcept = default;
  TRef(std::nullptr_t) noexcept {}
  // Takes a new reference to an object someone else already holds.
  explicit TRef(T* object) noexcept : ptr_(object) {
    if (ptr_) Base(ptr_)->AddRef();
  }
  // Takes over a reference the caller owns (from Detach or a creator).
  static TRef Adopt(T* object) noexcept {
    TRef r;
    r.ptr_ = object;
    return r;
  }

  TRef(const TRef& other) noexcept : TRef(other.ptr_) {}
  TRef(TRef&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  TRef(const TRef<U>& other) noexcept : TRef(other.get()) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  TRef(TRef<U>&& other) noexcept : ptr_(other.Detach()) {}

  TRef& operator=(TRef other) noexcept {
    std::swap(ptr_, other.ptr_);
    return *this;
  }

  ~TRef() { reset(); }

  // Drops the held reference. Failures while disposing were already reported
  // as internal-check failures; a destructor must not pass them on.
  void reset() noexcept {
    if (T* p = std::exchange(ptr_, nullptr)) {
      try {
        Base(p)->Release();
      } catch (...) {
      }
    }
  }

  // Gives up the reference without dropping it.
  [[nodiscard]] T* Detach() noexcept { return std::exchange(ptr_, nullptr); }

  T* get() const noexcept { return ptr_; }
  T* operator->() const noexcept { return ptr_; }
  T& operator*() const noexcept { return *ptr_; }
  explicit operator bool() const noexcept { return ptr_ != nullptr; }

  friend bool operator==(const TRef& a, const TRef& b) noexcept { return a.ptr_ == b.ptr_; }
  friend bool operator==(const TRef& a, std::nullptr_t) noexcept { return a.ptr_ == nullptr; }

 private:
  // Through the base, so that a class's own Release (TMutex's, say) is never
  // mistaken for dropping a reference.
  static TRefObject* Base(T* p) noexcept { return p; }

  T* ptr_ = nullptr;
};

template <class T, class... Args>
TRef<T> MakeRef(Args&&... args) {
  T* object = new T(std::forward<Args>(args)...);
  TRef<T> ref = TRef<T>::Adopt(object);
  static_cast<TRefObject*>(object)->AfterConstruction();
  return ref;
}

// A new reference of a more derived type, or null when the object is not one.
template <class T, class U>
TRef<T> RefCast(const TRef<U>& from) noexcept {
  return TRef<T>(dynamic_cast<T*>(from.get()));
}

}  // namespace zol
