// The one platform header that program code includes.
// On Windows it brings in the system headers; on Linux it declares our own layer, which
// implements the same functions with the same names, types and constants.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <comdef.h>
#else
#include "types.h"
#include "kernel/kernel.h"
#include "shell/shell.h"
#include "com/com.h"
#include "shelllink/shelllink.h"
#include "user/user.h"
#endif
