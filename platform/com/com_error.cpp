#include "com/com_error.h"

_com_error::_com_error(HRESULT hr, IErrorInfo* info, bool addRef) noexcept
    : hresult_(hr), info_(info) {
  if (info_ != nullptr && addRef) info_->AddRef();
}

_com_error::_com_error(const _com_error& other) noexcept
    : hresult_(other.hresult_), info_(other.info_) {
  if (info_ != nullptr) info_->AddRef();
}

_com_error& _com_error::operator=(const _com_error& other) noexcept {
  if (this != &other) {
    if (other.info_ != nullptr) other.info_->AddRef();
    IErrorInfo* previous = info_;
    hresult_ = other.hresult_;
    info_ = other.info_;
    if (previous != nullptr) previous->Release();
  }
  return *this;
}

_com_error::~_com_error() noexcept {
  if (info_ != nullptr) info_->Release();
}

IErrorInfo* _com_error::ErrorInfo() const noexcept {
  if (info_ != nullptr) info_->AddRef();
  return info_;
}

WORD _com_error::WCode() const noexcept {
  return HRESULT_FACILITY(hresult_) == FACILITY_WIN32 ? static_cast<WORD>(HRESULT_CODE(hresult_))
                                                      : 0;
}
