// VARIANT with the few types the program passes: empty, error codes, strings and objects.
#pragma once

#include "com/bstr.h"
#include "com/unknown.h"

typedef unsigned short VARTYPE;
typedef short VARIANT_BOOL;
#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

enum VARENUM {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_BSTR = 8,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_UNKNOWN = 13,
  VT_UI4 = 19,
  VT_INT = 22,
  VT_UINT = 23,
};

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONG lVal;
    SHORT iVal;
    ULONG ulVal;
    INT intVal;
    UINT uintVal;
    VARIANT_BOOL boolVal;
    SCODE scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    void* byref;
    void* reserved[2];  // the size of the largest Windows member
  };
};
typedef VARIANT VARIANTARG;
typedef VARIANT* LPVARIANT;

void WINAPI VariantInit(VARIANTARG* variant);
// Frees what the VARIANT owns (string, object reference) and leaves it VT_EMPTY.
HRESULT WINAPI VariantClear(VARIANTARG* variant);
