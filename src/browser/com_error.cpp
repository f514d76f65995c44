#include "browser/com_error.h"

void RaiseComError(HRESULT hr) { throw _com_error(hr); }

void RaiseComErrorInfo(HRESULT hr, IUnknown* object, REFIID iid) {
  IErrorInfo* info = NULL;
  if (object) {
    ISupportErrorInfo* support = NULL;
    if (SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support))) &&
        support) {
      HRESULT supported = support->InterfaceSupportsErrorInfo(iid);
      support->Release();
      if (supported == S_OK && GetErrorInfo(0, &info) != S_OK) info = NULL;
    }
  }
  // The error takes over the reference that GetErrorInfo handed out.
  throw _com_error(hr, info, false);
}

HRESULT LastErrorResult() {
  DWORD code = GetLastError();
  return code == 0 ? 0 : HRESULT_FROM_WIN32(code);
}
