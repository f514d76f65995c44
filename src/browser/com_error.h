// Raising COM failures as _com_error.
#pragma once

#include "platform.h"

// Raises a _com_error with `hr` and no error information.
[[noreturn]] void RaiseComError(HRESULT hr);

// Raises a _com_error with `hr` and the error information that `object` offers for `iid`.
[[noreturn]] void RaiseComErrorInfo(HRESULT hr, IUnknown* object, REFIID iid);

// The HRESULT of the thread's last system error: HRESULT_FROM_WIN32, or 0 when there is none.
HRESULT LastErrorResult();
