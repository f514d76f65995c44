#include <gtest/gtest.h>

#include "com/com.h"
#include "support/counting_error_info.h"

namespace {

TEST(ErrorInfo, SetKeepsAReferenceAndGetHandsItOver) {
  CountingErrorInfo info;
  ASSERT_EQ(SetErrorInfo(0, &info), S_OK);
  EXPECT_EQ(info.refs, 2u);
  IErrorInfo* got = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &got), S_OK);
  EXPECT_EQ(got, &info);
  EXPECT_EQ(info.refs, 2u);  // the thread's reference moved to us
  got->Release();
  // Taken once: the thread has none left.
  got = reinterpret_cast<IErrorInfo*>(&info);
  EXPECT_EQ(GetErrorInfo(0, &got), S_FALSE);
  EXPECT_EQ(got, nullptr);
  EXPECT_EQ(info.refs, 1u);
}

TEST(ErrorInfo, ReplacingOrClearingReleasesThePrevious) {
  CountingErrorInfo first;
  CountingErrorInfo second;
  SetErrorInfo(0, &first);
  SetErrorInfo(0, &second);
  EXPECT_EQ(first.refs, 1u);
  EXPECT_EQ(second.refs, 2u);
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(second.refs, 1u);
}

TEST(ErrorInfo, BadArguments) {
  EXPECT_EQ(GetErrorInfo(0, nullptr), E_INVALIDARG);
  IErrorInfo* got = nullptr;
  EXPECT_EQ(GetErrorInfo(1, &got), E_INVALIDARG);
}

}  // namespace
