#include "com/error_info.h"

namespace {

// Owns the thread's reference; released when the thread ends.
struct ThreadErrorInfo {
  IErrorInfo* info = nullptr;
  ThreadErrorInfo() = default;
  ThreadErrorInfo(const ThreadErrorInfo&) = delete;
  ThreadErrorInfo& operator=(const ThreadErrorInfo&) = delete;
  ~ThreadErrorInfo() {
    if (info != nullptr) info->Release();
  }
};

thread_local ThreadErrorInfo tErrorInfo;

}  // namespace

HRESULT WINAPI GetErrorInfo(ULONG reserved, IErrorInfo** info) {
  if (info == nullptr) return E_INVALIDARG;
  *info = nullptr;
  if (reserved != 0) return E_INVALIDARG;
  if (tErrorInfo.info == nullptr) return S_FALSE;
  *info = tErrorInfo.info;  // the thread's reference moves to the caller
  tErrorInfo.info = nullptr;
  return S_OK;
}

HRESULT WINAPI SetErrorInfo(ULONG reserved, IErrorInfo* info) {
  if (reserved != 0) return E_INVALIDARG;
  if (info != nullptr) info->AddRef();
  IErrorInfo* previous = tErrorInfo.info;
  tErrorInfo.info = info;
  if (previous != nullptr) previous->Release();
  return S_OK;
}
