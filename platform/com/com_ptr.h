// layer::com::ComPtr: owns one reference to a COM interface, for the layer and its tests.
#pragma once

#include <utility>

#include "com/unknown.h"

namespace layer::com {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Adopts a reference the caller already holds.
  static ComPtr Adopt(T* raw) {
    ComPtr p;
    p.raw_ = raw;
    return p;
  }
  ComPtr(const ComPtr& other) : raw_(other.raw_) {
    if (raw_ != nullptr) raw_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : raw_(std::exchange(other.raw_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(raw_, other.raw_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  void Reset() {
    if (raw_ != nullptr) std::exchange(raw_, nullptr)->Release();
  }
  T* Get() const { return raw_; }
  T* operator->() const { return raw_; }
  explicit operator bool() const { return raw_ != nullptr; }
  // For out parameters: releases what is held and exposes the slot.
  T** Put() {
    Reset();
    return &raw_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  T* Detach() { return std::exchange(raw_, nullptr); }

 private:
  T* raw_ = nullptr;
};

}  // namespace layer::com
