// GUIDs as COM lays them out, and the identifiers of the base interfaces.
#pragma once

#include "types.h"

struct GUID {
  DWORD Data1;
  WORD Data2;
  WORD Data3;
  BYTE Data4[8];
};
typedef GUID IID;
typedef GUID CLSID;
typedef const GUID& REFGUID;
typedef const IID& REFIID;
typedef const CLSID& REFCLSID;
typedef IID* LPIID;
typedef CLSID* LPCLSID;

BOOL IsEqualGUID(REFGUID a, REFGUID b);
#define IsEqualIID(a, b) IsEqualGUID(a, b)
#define IsEqualCLSID(a, b) IsEqualGUID(a, b)
inline bool operator==(REFGUID a, REFGUID b) { return IsEqualGUID(a, b) != FALSE; }
inline bool operator!=(REFGUID a, REFGUID b) { return !(a == b); }

extern const GUID GUID_NULL;
#define IID_NULL GUID_NULL
#define CLSID_NULL GUID_NULL
extern const IID IID_IUnknown;
extern const IID IID_IErrorInfo;
extern const IID IID_ISupportErrorInfo;
