// The COM task allocator: blocks handed across interfaces, such as IPersistFile::GetCurFile's.
#pragma once

#include "types.h"

LPVOID WINAPI CoTaskMemAlloc(SIZE_T bytes);
void WINAPI CoTaskMemFree(LPVOID block);
