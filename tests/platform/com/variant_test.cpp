#include <gtest/gtest.h>

#include "com/com.h"
#include "support/counting_error_info.h"

namespace {

TEST(Variant, InitMakesEmpty) {
  VARIANT v;
  v.vt = VT_BSTR;
  VariantInit(&v);
  EXPECT_EQ(v.vt, VT_EMPTY);
}

TEST(Variant, ClearReleasesAnObjectReference) {
  CountingErrorInfo object;
  object.AddRef();
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_UNKNOWN;
  v.punkVal = &object;
  EXPECT_EQ(VariantClear(&v), S_OK);
  EXPECT_EQ(v.vt, VT_EMPTY);
  EXPECT_EQ(object.refs, 1u);
}

TEST(Variant, ClearOfAStringAndOfAnErrorCode) {
  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocString(u"x");  // freed by VariantClear; the leak check would see it
  EXPECT_EQ(VariantClear(&text), S_OK);
  EXPECT_EQ(text.vt, VT_EMPTY);

  VARIANT missing;
  VariantInit(&missing);
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  EXPECT_EQ(VariantClear(&missing), S_OK);
  EXPECT_EQ(missing.vt, VT_EMPTY);
}

TEST(Variant, UnknownTypeIsRefusedAndLeftAlone) {
  VARIANT v;
  VariantInit(&v);
  v.vt = 0x4008;  // VT_BSTR | VT_BYREF: not ours to free
  EXPECT_EQ(VariantClear(&v), DISP_E_BADVARTYPE);
  EXPECT_EQ(v.vt, 0x4008);
  EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
}

}  // namespace
