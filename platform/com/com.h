// COM as the program uses it (ole32 and oleaut32): GUIDs, HRESULTs, IUnknown, apartments and
// CoCreateInstance, BSTR, VARIANT, error information and _com_error.
#pragma once

#include "types.h"
#include "com/guid.h"
#include "com/hresult.h"
#include "com/unknown.h"
#include "com/apartment.h"
#include "com/bstr.h"
#include "com/variant.h"
#include "com/error_info.h"
#include "com/com_error.h"
#include "com/task_memory.h"
