// An IErrorInfo that counts its references, so tests can see who holds one.
#pragma once

#include "platform.h"

class CountingErrorInfo final : public IErrorInfo {
 public:
  ULONG refs = 1;  // the creator's reference
  int destroyedCalls = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IErrorInfo) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  // Lives on the test's stack: reaching zero is recorded, not deleted.
  ULONG STDMETHODCALLTYPE Release() override {
    if (--refs == 0) ++destroyedCalls;
    return refs;
  }
  HRESULT STDMETHODCALLTYPE GetGUID(GUID* guid) override {
    *guid = GUID_NULL;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSource(BSTR* text) override { return Text(text); }
  HRESULT STDMETHODCALLTYPE GetDescription(BSTR* text) override { return Text(text); }
  HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* text) override { return Text(text); }
  HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* context) override {
    *context = 0;
    return S_OK;
  }

 private:
  static HRESULT Text(BSTR* text) {
    *text = nullptr;
    return S_OK;
  }
};
