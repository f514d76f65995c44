// BSTR: a length-prefixed, zero-terminated UTF-16 string. The 4 bytes before the pointer hold
// the string's length in bytes, without the terminator.
#pragma once

#include "types.h"

typedef OLECHAR* BSTR;
typedef BSTR* LPBSTR;

BSTR WINAPI SysAllocString(const OLECHAR* text);
BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT units);
void WINAPI SysFreeString(BSTR text);
UINT WINAPI SysStringLen(BSTR text);
UINT WINAPI SysStringByteLen(BSTR text);
