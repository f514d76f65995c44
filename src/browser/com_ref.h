// Owns one reference to a COM interface and releases it when the owner goes away, also when a
// _com_error leaves the scope.
#pragma once

#include "platform.h"

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  Interface* Get() const { return pointer; }
  Interface* operator->() const { return pointer; }
  explicit operator bool() const { return pointer != NULL; }

  // For out-parameters of CoCreateInstance and QueryInterface.
  void** Out() {
    Reset();
    return reinterpret_cast<void**>(&pointer);
  }

  void Reset() {
    if (pointer) {
      pointer->Release();
      pointer = NULL;
    }
  }

 private:
  Interface* pointer = NULL;
};
