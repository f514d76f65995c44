#include <gtest/gtest.h>

#include "com/com.h"
#include "support/counting_error_info.h"

namespace {

TEST(ComError, TakesOverTheReferenceByDefaultAndReleasesIt) {
  CountingErrorInfo info;
  {
    _com_error error(E_FAIL, &info);
    EXPECT_EQ(info.refs, 1u);
    EXPECT_EQ(error.Error(), E_FAIL);
  }
  EXPECT_EQ(info.refs, 0u);
  EXPECT_EQ(info.destroyedCalls, 1);
}

TEST(ComError, AddRefOnRequestKeepsTheCallersReference) {
  CountingErrorInfo info;
  {
    _com_error error(E_FAIL, &info, true);
    EXPECT_EQ(info.refs, 2u);
  }
  EXPECT_EQ(info.refs, 1u);
}

TEST(ComError, CopyTakesItsOwnReference) {
  CountingErrorInfo info;
  info.AddRef();  // the test's own, so the count never reaches zero unnoticed
  {
    _com_error error(E_ACCESSDENIED, &info);
    EXPECT_EQ(info.refs, 2u);
    {
      _com_error copy(error);
      EXPECT_EQ(info.refs, 3u);
      EXPECT_EQ(copy.Error(), E_ACCESSDENIED);
    }
    EXPECT_EQ(info.refs, 2u);
  }
  EXPECT_EQ(info.refs, 1u);
}

TEST(ComError, AssignmentSwapsReferences) {
  CountingErrorInfo first;
  CountingErrorInfo second;
  first.AddRef();
  second.AddRef();
  {
    _com_error a(E_FAIL, &first);
    _com_error b(E_OUTOFMEMORY, &second);
    a = b;
    EXPECT_EQ(first.refs, 1u);   // a let go of first
    EXPECT_EQ(second.refs, 3u);  // test, b and a
    EXPECT_EQ(a.Error(), E_OUTOFMEMORY);
    a = a;
    EXPECT_EQ(second.refs, 3u);
  }
  EXPECT_EQ(second.refs, 1u);
}

TEST(ComError, ErrorInfoHandsOutAReferenceTheCallerReleases) {
  CountingErrorInfo info;
  _com_error error(E_FAIL, &info);
  IErrorInfo* got = error.ErrorInfo();
  EXPECT_EQ(got, &info);
  EXPECT_EQ(info.refs, 2u);
  got->Release();
  EXPECT_EQ(_com_error(E_FAIL).ErrorInfo(), nullptr);
}

TEST(ComError, WCodeIsTheWin32CodeOfWin32Results) {
  EXPECT_EQ(_com_error(HRESULT_FROM_WIN32(5)).WCode(), 5);
  EXPECT_EQ(_com_error(E_OUTOFMEMORY).WCode(), 14);
  EXPECT_EQ(_com_error(E_FAIL).WCode(), 0);
  EXPECT_EQ(_com_error(DISP_E_PARAMNOTFOUND).WCode(), 0);
}

TEST(ComError, CanBeThrownAndCaughtByValue) {
  CountingErrorInfo info;
  try {
    throw _com_error(E_INVALIDARG, &info, true);
  } catch (const _com_error& caught) {
    const _com_error kept = caught;
    EXPECT_EQ(kept.Error(), E_INVALIDARG);
    EXPECT_EQ(info.refs, 3u);  // the test, the thrown error and the copy
  }
  EXPECT_EQ(info.refs, 1u);
}

}  // namespace
