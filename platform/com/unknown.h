// IUnknown, the base of every COM interface.
#pragma once

#include "com/guid.h"
#include "com/hresult.h"

class IUnknown {
 public:
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;  // lifetime goes through Release, never delete
};
typedef IUnknown* LPUNKNOWN;
