#include <gtest/gtest.h>

#include "com/com.h"

namespace {

TEST(Hresult, Win32CodesMapToFacilityWin32) {
  struct Case {
    unsigned long code;
    uint32_t expected;
  };
  const Case cases[] = {
      {0, 0x00000000}, {2, 0x80070002}, {3, 0x80070003}, {5, 0x80070005},
      {14, 0x8007000E}, {87, 0x80070057}, {0x12345, 0x80072345},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<uint32_t>(HRESULT_FROM_WIN32(c.code)), c.expected) << c.code;
  }
  EXPECT_EQ(HRESULT_FROM_WIN32(14), E_OUTOFMEMORY);
  EXPECT_EQ(HRESULT_FROM_WIN32(87), E_INVALIDARG);
  EXPECT_EQ(HRESULT_FROM_WIN32(5), E_ACCESSDENIED);
}

TEST(Hresult, SeverityTests) {
  EXPECT_TRUE(SUCCEEDED(S_FALSE));
  EXPECT_TRUE(FAILED(E_NOTIMPL));
  EXPECT_EQ(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, 4), DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(HRESULT_CODE(E_INVALIDARG), 87);
  EXPECT_EQ(HRESULT_FACILITY(E_INVALIDARG), FACILITY_WIN32);
}

TEST(Guid, EqualityLooksAtEveryByte) {
  GUID a = IID_IUnknown;
  EXPECT_TRUE(a == IID_IUnknown);
  for (int i = 0; i < 8; ++i) {
    GUID b = a;
    b.Data4[i] ^= 1;
    EXPECT_FALSE(IsEqualGUID(a, b)) << i;
  }
  GUID c = a;
  c.Data3 = 1;
  EXPECT_TRUE(a != c);
  EXPECT_FALSE(IID_IErrorInfo == IID_ISupportErrorInfo);
}

}  // namespace
