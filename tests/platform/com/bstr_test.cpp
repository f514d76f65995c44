#include <gtest/gtest.h>

#include <cstring>

#include "com/com.h"

namespace {

// Owns a BSTR for the test's duration.
struct Bstr {
  BSTR text;
  explicit Bstr(BSTR t) : text(t) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(text); }
};

uint32_t PrefixOf(BSTR text) {
  uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<const char*>(text) - 4, 4);
  return bytes;
}

TEST(Bstr, LayoutIsByteCountPrefixStringAndTerminator) {
  Bstr s(SysAllocString(u"about:blank"));
  ASSERT_NE(s.text, nullptr);
  EXPECT_EQ(PrefixOf(s.text), 22u);
  EXPECT_EQ(SysStringLen(s.text), 11u);
  EXPECT_EQ(SysStringByteLen(s.text), 22u);
  EXPECT_EQ(std::u16string(s.text), u"about:blank");
  EXPECT_EQ(s.text[11], u'\0');
}

TEST(Bstr, LengthCountsEmbeddedZeros) {
  const OLECHAR source[] = {u'a', 0, u'b', u'c'};
  Bstr s(SysAllocStringLen(source, 4));
  ASSERT_NE(s.text, nullptr);
  EXPECT_EQ(SysStringLen(s.text), 4u);
  EXPECT_EQ(PrefixOf(s.text), 8u);
  EXPECT_EQ(std::memcmp(s.text, source, sizeof source), 0);
  EXPECT_EQ(s.text[4], u'\0');
}

TEST(Bstr, EmptyNullAndUninitialised) {
  Bstr empty(SysAllocString(u""));
  ASSERT_NE(empty.text, nullptr);
  EXPECT_EQ(SysStringLen(empty.text), 0u);
  EXPECT_EQ(empty.text[0], u'\0');

  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);

  Bstr blank(SysAllocStringLen(nullptr, 3));
  ASSERT_NE(blank.text, nullptr);
  EXPECT_EQ(SysStringLen(blank.text), 3u);
  EXPECT_EQ(blank.text[3], u'\0');
}

TEST(Bstr, RefusesALengthTheByteCountCannotHold) {
  EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
}

}  // namespace
