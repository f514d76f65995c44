// Error information: the thread's IErrorInfo and the objects that say they supply it.
#pragma once

#include "com/bstr.h"
#include "com/unknown.h"

class IErrorInfo : public IUnknown {
 public:
  virtual HRESULT STDMETHODCALLTYPE GetGUID(GUID* guid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSource(BSTR* source) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* description) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* helpFile) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* helpContext) = 0;

 protected:
  ~IErrorInfo() = default;
};

class ISupportErrorInfo : public IUnknown {
 public:
  virtual HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) = 0;

 protected:
  ~ISupportErrorInfo() = default;
};

// Hands the thread's error information to the caller (who then owns the reference) and
// clears it; S_FALSE and null when there is none.
HRESULT WINAPI GetErrorInfo(ULONG reserved, IErrorInfo** info);
// Replaces the thread's error information, taking a reference to info (null clears it).
HRESULT WINAPI SetErrorInfo(ULONG reserved, IErrorInfo* info);
