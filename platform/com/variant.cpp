#include "com/variant.h"

void WINAPI VariantInit(VARIANTARG* variant) {
  if (variant == nullptr) return;
  variant->vt = VT_EMPTY;
  variant->wReserved1 = variant->wReserved2 = variant->wReserved3 = 0;
}

HRESULT WINAPI VariantClear(VARIANTARG* variant) {
  if (variant == nullptr) return E_INVALIDARG;
  switch (variant->vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_ERROR:
    case VT_BOOL:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
      break;
    case VT_BSTR:
      SysFreeString(variant->bstrVal);
      break;
    case VT_UNKNOWN:
      if (variant->punkVal != nullptr) variant->punkVal->Release();
      break;
    default:
      return DISP_E_BADVARTYPE;  // untouched: we cannot tell what it owns
  }
  variant->vt = VT_EMPTY;
  variant->bstrVal = nullptr;
  return S_OK;
}
