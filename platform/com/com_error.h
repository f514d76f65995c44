// _com_error: the exception that carries a failed HRESULT and, optionally, its IErrorInfo.
#pragma once

#include "com/error_info.h"

class _com_error {
 public:
  // Takes over the caller's reference to info unless addRef is true.
  _com_error(HRESULT hr, IErrorInfo* info = NULL, bool addRef = false) noexcept;
  _com_error(const _com_error& other) noexcept;  // takes a reference of its own
  _com_error& operator=(const _com_error& other) noexcept;
  virtual ~_com_error() noexcept;

  HRESULT Error() const noexcept { return hresult_; }
  // The caller owns the reference it returns and must Release it.
  IErrorInfo* ErrorInfo() const noexcept;
  // The Win32 error code of an HRESULT_FROM_WIN32 result, or 0.
  WORD WCode() const noexcept;

 private:
  HRESULT hresult_;
  IErrorInfo* info_;
};
