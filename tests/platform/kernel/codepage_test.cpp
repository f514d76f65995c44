// Code page 932: lead bytes, MultiByteToWideChar/WideCharToMultiByte with the Windows size and
// error conventions, and the strict layer::cp932 helpers.
#include <gtest/gtest.h>

#include "support/printable.h"

#include <cstring>
#include <string>

#include "kernel/codepage.h"
#include "kernel/kernel.h"

namespace {

TEST(CodePage, AnsiCodePageIs932) { EXPECT_EQ(GetACP(), 932u); }

TEST(CodePage, LeadByteBoundaries) {
  struct Case {
    int byte;
    bool lead;
  };
  const Case cases[] = {{0x00, false}, {0x5C, false}, {0x7F, false}, {0x80, false},
                        {0x81, true},  {0x95, true},  {0x9F, true},  {0xA0, false},
                        {0xA1, false}, {0xDF, false}, {0xE0, true},  {0xFC, true},
                        {0xFD, false}, {0xFF, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsDBCSLeadByte(static_cast<BYTE>(c.byte)) != FALSE, c.lead) << std::hex << c.byte;
  }
  int leads = 0;
  for (int b = 0; b < 256; ++b) leads += IsDBCSLeadByte(static_cast<BYTE>(b)) ? 1 : 0;
  EXPECT_EQ(leads, 31 + 29);
}

// The characters the program uses, both ways.
struct CharCase {
  const char* bytes;
  char16_t unit;
};

void PrintTo(const CharCase& c, std::ostream* os) {
  *os << testing_text::Escaped(c.bytes) << " U+" << std::hex << static_cast<unsigned>(c.unit);
}

class Cp932CharTest : public testing::TestWithParam<CharCase> {};

TEST_P(Cp932CharTest, RoundTrip) {
  const CharCase c = GetParam();
  WCHAR wide[4] = {};
  const int bytes = static_cast<int>(std::char_traits<char>::length(c.bytes));
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, c.bytes, bytes, wide, 4), 1);
  EXPECT_EQ(wide[0], c.unit);
  char back[4] = {};
  BOOL used = TRUE;
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, 1, back, 4, nullptr, &used), bytes);
  EXPECT_EQ(std::string(back, bytes), std::string(c.bytes));
  EXPECT_FALSE(used);
  EXPECT_EQ(layer::cp932::ToUtf16(c.bytes), std::u16string(1, c.unit));
  EXPECT_EQ(layer::cp932::FromUtf16(std::u16string(1, c.unit)), std::string(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(ProgramCharacters, Cp932CharTest,
                         testing::Values(CharCase{"\x81\x40", u'\u3000'},  // ideographic space
                                         CharCase{"\x81\x8F", u'\uFFE5'},  // full-width yen
                                         CharCase{"\x81\x5E", u'\uFF0F'},  // full-width solidus
                                         CharCase{"\x81\x68", u'\u201D'},  // right double quote
                                         CharCase{"\x81\x60", u'\uFF5E'},  // full-width tilde
                                         CharCase{"\x95\x5C", u'\u8868'},  // 表, 0x5C second byte
                                         CharCase{"\x83\x5C", u'\u30BD'},  // ソ, 0x5C second byte
                                         CharCase{"\x5C", u'\\'},          // backslash, not yen
                                         CharCase{"\x7E", u'~'},           // tilde, not overline
                                         CharCase{"\xB1", u'\uFF71'},      // half-width ｱ
                                         CharCase{"A", u'A'}));

TEST(MultiByteToWideChar, MinusOneCountsTheTerminator) {
  WCHAR wide[8];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a\x95\x5C", -1, nullptr, 0), 3);
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "a\x95\x5C", -1, wide, 8), 3);
  EXPECT_EQ(std::u16string(wide, 3), std::u16string(u"a\u8868\0", 3));
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a\x95\x5C", 3, nullptr, 0), 2) << "no terminator";
}

TEST(MultiByteToWideChar, TooSmallBuffer) {
  WCHAR wide[2] = {u'x', u'x'};
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(wide[0], u'a') << "what fits is written, as on Windows";
}

TEST(MultiByteToWideChar, ExactBufferSucceeds) {
  WCHAR wide[4];
  EXPECT_EQ(MultiByteToWideChar(932, 0, "abc", -1, wide, 4), 4);
  EXPECT_EQ(std::u16string(wide), u"abc");
}

TEST(MultiByteToWideChar, InvalidArguments) {
  WCHAR wide[4];
  char text[4] = "abc";
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, nullptr, -1, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 0, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, -1), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<LPWSTR>(text), 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(12345, 0, "abc", -1, wide, 4), 0) << "unknown code page";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(MultiByteToWideChar, InvalidFlags) {
  WCHAR wide[4];
  for (DWORD flags : {DWORD{0x100}, DWORD{MB_COMPOSITE}, DWORD{MB_PRECOMPOSED | MB_COMPOSITE}}) {
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, flags, "abc", -1, wide, 4), 0) << flags;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS)) << flags;
  }
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "abc", -1, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS)) << "UTF-8 takes only MB_ERR_INVALID_CHARS";
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, "abc", -1, wide, 4), 4);
}

struct InvalidCase {
  std::string bytes;
  std::u16string substituted;  // what comes out without MB_ERR_INVALID_CHARS
};

void PrintTo(const InvalidCase& c, std::ostream* os) { *os << testing_text::Escaped(c.bytes); }

class InvalidCp932Test : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidCp932Test, FailsWithTheFlagAndSubstitutesWithout) {
  const InvalidCase c = GetParam();
  const int length = static_cast<int>(c.bytes.size());
  WCHAR wide[16];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, c.bytes.data(), length, wide, 16), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, c.bytes.data(), length, nullptr, 0), 0)
      << "a size query fails the same way";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  const int n = MultiByteToWideChar(CP_ACP, 0, c.bytes.data(), length, wide, 16);
  EXPECT_EQ(std::u16string(wide, n), c.substituted);
  EXPECT_EQ(layer::cp932::ToUtf16(c.bytes), std::nullopt);
  EXPECT_EQ(layer::cp932::ToUtf8(c.bytes), std::nullopt);
}

// Invalid bytes become U+30FB, code page 932's Unicode default character.
INSTANTIATE_TEST_SUITE_P(
    Table, InvalidCp932Test,
    testing::Values(InvalidCase{"\x80", u"\u30FB"}, InvalidCase{"\xA0", u"\u30FB"},
                    InvalidCase{"\xFD", u"\u30FB"}, InvalidCase{"\xFF", u"\u30FB"},
                    InvalidCase{"a\x81", u"a\u30FB"},          // a lead byte at the end
                    InvalidCase{"\x81\x20" "b", u"\u30FB b"},   // bad second byte: lead alone
                    InvalidCase{"\x85\x40" "c", u"\u30FB" "c"}  // unassigned pair: one character
                    ));

TEST(WideCharToMultiByte, MinusOneAndSizeQuery) {
  const char16_t* text = u"C:\\\u8868";
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr), 6);
  char out[6];
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, out, 6, nullptr, nullptr), 6);
  EXPECT_EQ(std::string(out, 6), std::string("C:\\\x95\x5C\0", 6));
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, 4, nullptr, 0, nullptr, nullptr), 5);
}

TEST(WideCharToMultiByte, TooSmallBuffer) {
  char out[5];
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"C:\\\u8868", -1, out, 5, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

// A buffer too small gets the whole characters that fit and never the first half of one: no lone
// lead byte, no cut UTF-8 sequence, no unpaired high surrogate. What lies beyond stays untouched.
struct ShortBufferCase {
  const char* what;
  UINT codePage;
  std::u16string wide;
  int bytes;             // size of the multibyte buffer
  std::string written;   // what lands in it
};

void PrintTo(const ShortBufferCase& c, std::ostream* os) { *os << c.what; }

class WideToMultiByteShortBufferTest : public testing::TestWithParam<ShortBufferCase> {};

TEST_P(WideToMultiByteShortBufferTest, WritesOnlyWholeCharacters) {
  const ShortBufferCase c = GetParam();
  char out[16];
  std::memset(out, '#', sizeof out);
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(c.codePage, 0, c.wide.data(), static_cast<int>(c.wide.size()), out,
                                c.bytes, nullptr, nullptr),
            0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::string(out, static_cast<size_t>(c.bytes)),
            c.written + std::string(static_cast<size_t>(c.bytes) - c.written.size(), '#'));
}

INSTANTIATE_TEST_SUITE_P(
    Table, WideToMultiByteShortBufferTest,
    testing::Values(
        ShortBufferCase{"cp932_lead_byte_would_be_alone", CP_ACP, u"C:\\\u8868", 4, "C:\\"},
        ShortBufferCase{"cp932_pair_fits", CP_ACP, u"C:\\\u8868x", 5, "C:\\\x95\x5C"},
        ShortBufferCase{"cp932_second_of_two_cut", CP_ACP, u"\u8868\u8868", 3, "\x95\x5C"},
        ShortBufferCase{"utf8_two_bytes_cut", CP_UTF8, u"a\u00E9", 2, "a"},
        ShortBufferCase{"utf8_three_bytes_cut", CP_UTF8, u"a\u8868", 3, "a"},
        ShortBufferCase{"utf8_four_bytes_cut", CP_UTF8, u"a\U0001F600", 4, "a"}),
    [](const testing::TestParamInfo<ShortBufferCase>& info) { return std::string(info.param.what); });

TEST(MultiByteToWideChar, ShortBufferNeverGetsHalfASurrogatePair) {
  WCHAR wide[4] = {u'#', u'#', u'#', u'#'};
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a\xF0\x9F\x98\x80", 5, wide, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::u16string(wide, 2), u"a#");
}

TEST(WideCharToMultiByte, DefaultCharacter) {
  char out[16];
  BOOL used = FALSE;
  // U+1E01 (ḁ) and U+00E9 are not in code page 932; an emoji takes one '?' per UTF-16 unit.
  int n = WideCharToMultiByte(CP_ACP, 0, u"a\u1E01b\u00E9\U0001F600", -1, out, 16, nullptr, &used);
  EXPECT_EQ(std::string(out, n), std::string("a?b???", 7));
  EXPECT_TRUE(used);
  n = WideCharToMultiByte(CP_ACP, 0, u"x\u1E01", 2, out, 16, "*", &used);
  EXPECT_EQ(std::string(out, n), "x*");
  EXPECT_TRUE(used);
  n = WideCharToMultiByte(CP_ACP, 0, u"x\u1E01", 2, out, 16, "\x81\x45", &used);
  EXPECT_EQ(std::string(out, n), "x\x81\x45") << "a double-byte default character";
  used = TRUE;
  n = WideCharToMultiByte(CP_ACP, 0, u"plain", 5, out, 16, nullptr, &used);
  EXPECT_EQ(n, 5);
  EXPECT_FALSE(used) << "reset when nothing was substituted";
  used = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u1E01", 1, nullptr, 0, nullptr, &used), 1);
  EXPECT_TRUE(used) << "a size query reports it too";
}

TEST(WideCharToMultiByte, BestFitAndNoBestFit) {
  char out[4];
  BOOL used = FALSE;
  // U+00A5 YEN SIGN is only approximated by 0x5C (a backslash in code page 932).
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u00A5", 1, out, 4, nullptr, &used), 1);
  EXPECT_EQ(out[0], '\\');
  EXPECT_FALSE(used);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, u"\u00A5", 1, out, 4, nullptr, &used), 1);
  EXPECT_EQ(out[0], '?');
  EXPECT_TRUE(used);
}

TEST(WideCharToMultiByte, InvalidArgumentsAndFlags) {
  char out[8];
  char16_t text[4] = u"abc";
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, nullptr, -1, out, 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, 0, out, 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, reinterpret_cast<LPSTR>(text), 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, WC_ERR_INVALID_CHARS, text, -1, out, 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS)) << "only for UTF-8";
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0x1, text, -1, out, 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
  BOOL used;
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, out, 8, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << "no default char in UTF-8";
}

TEST(Utf8, BothWays) {
  char out[16];
  const int n = WideCharToMultiByte(CP_UTF8, 0, u"\u8868\U0001F600", 3, out, 16, nullptr, nullptr);
  EXPECT_EQ(std::string(out, n), "\xE8\xA1\xA8\xF0\x9F\x98\x80");
  WCHAR wide[8];
  const int m = MultiByteToWideChar(CP_UTF8, 0, out, n, wide, 8);
  EXPECT_EQ(std::u16string(wide, m), u"\u8868\U0001F600");
}

TEST(Utf8, InvalidSequences) {
  WCHAR wide[8];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xC3", 2, wide, 8), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  // Without the flag: one U+FFFD per maximal ill-formed subpart.
  const int n = MultiByteToWideChar(CP_UTF8, 0, "a\xE8\xA1" "b\xFF\xED\xA0\x80", 8, wide, 8);
  EXPECT_EQ(std::u16string(wide, n), u"a\uFFFDb\uFFFD\uFFFD\uFFFD\uFFFD");
  char out[8];
  const char16_t lone[] = {u'x', 0xD800, u'y'};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 3, out, 8, nullptr, nullptr), 5);
  EXPECT_EQ(std::string(out, 5), "x\xEF\xBF\xBDy");
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 3, out, 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(Cp932Helpers, Utf8RoundTrip) {
  const std::string utf8 = "C:\\表\\ソフト\\ＭＳ Ｐゴシック\\￥～";
  const std::string cp932 =
      "C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67\\\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\\\x81\x8F\x81\x60";
  EXPECT_EQ(layer::cp932::FromUtf8(utf8), cp932);
  EXPECT_EQ(layer::cp932::ToUtf8(cp932), utf8);
  EXPECT_EQ(layer::cp932::FromUtf8(""), std::string());
  EXPECT_EQ(layer::cp932::ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932Helpers, StrictOnWhatCodePage932CannotHold) {
  for (const char* utf8 : {"\xF0\x9F\x98\x80",  // emoji
                           "\xE1\xB8\x81",      // ḁ
                           "\xC3\xA9",          // é
                           "\xC2\xA5",          // ¥ U+00A5: only approximated, by a backslash
                           "\xE3\x80\x9C",      // 〜 U+301C WAVE DASH: approximated by U+FF5E's bytes
                           "\xFF",              // not UTF-8
                           "\xC3"}) {           // cut UTF-8
    EXPECT_EQ(layer::cp932::FromUtf8(utf8), std::nullopt) << utf8;
  }
  EXPECT_EQ(layer::cp932::FromUtf16(std::u16string(1, char16_t(0xD800))), std::nullopt);
  EXPECT_EQ(layer::cp932::FromUtf16(u"\U0001F600"), std::nullopt);
  EXPECT_EQ(layer::cp932::ToUtf16("\x95\x5C\\"), std::u16string(u"\u8868\\"));
}

}  // namespace
