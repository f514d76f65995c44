// wvsprintfA and wsprintfA: the conversions, flags, width and precision, and the 1024-byte limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "platform.h"

namespace {

std::string Format(const char* format, ...) {
  char buffer[1100];
  std::fill(std::begin(buffer), std::end(buffer), 'X');
  va_list arguments;
  va_start(arguments, format);
  int written = wvsprintfA(buffer, format, arguments);
  va_end(arguments);
  EXPECT_EQ(written, static_cast<int>(std::strlen(buffer))) << format;
  return buffer;
}

TEST(Wsprintf, Conversions) {
  struct Case {
    std::string got;
    const char* expected;
  };
  const WCHAR wide[] = u"ワイド";
  const Case cases[] = {
      {Format("%d|%i|%u", -42, 42, 42u), "-42|42|42"},
      {Format("%u", -1), "4294967295"},
      {Format("%x|%X|%#x|%#X|%#x", 255u, 255u, 255u, 255u, 0u), "ff|FF|0xff|0XFF|0x0"},
      {Format("%5d|%-5d|%05d|%05d", 42, 42, 42, -42), "   42|42   |00042|-0042"},
      {Format("%.4d|%8.4x", 7, 0xabu), "0007|    00ab"},
      {Format("%08lX", 0x80004005u), "80004005"},
      {Format("%ld|%lu|%lx", -5, 5u, 0xABCu), "-5|5|abc"},
      {Format("%hd|%hu", 70000, 70000), "4464|4464"},
      {Format("%I64d|%lld|%I64x", -5000000000LL, 5000000000LL, 0x123456789ULL), "-5000000000|5000000000|123456789"},
      {Format("%c%c|%3c|%-3c|", 'o', 'k', 'a', 'b'), "ok|  a|b  |"},
      {Format("%s|%8s|%-8s|%.2s", "text", "right", "left", "cut"), "text|   right|left    |cu"},
      {Format("%s", "ディレクトリ"), "ディレクトリ"},
      {Format("%S|%ls|%.2S", wide, wide, wide), "ワイド|ワイド|ワイ"},
      {Format("%C|%lc", u'字', u'字'), "字|字"},
      {Format("%s|%S", static_cast<const char*>(nullptr), static_cast<const WCHAR*>(nullptr)), "(null)|(null)"},
      {Format("100%%|%y|%"), "100%|y|"},
      {Format("%p", reinterpret_cast<void*>(0xBEEF)), "000000000000BEEF"},
      {Format("確認　　　"), "確認　　　"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(Wsprintf, WritesAtMost1024BytesWithTheTerminator) {
  std::string long_text(2000, 'a');
  char buffer[1100];
  std::fill(std::begin(buffer), std::end(buffer), 'X');
  EXPECT_EQ(wsprintfA(buffer, "%s", long_text.c_str()), 1023);
  EXPECT_EQ(buffer[1022], 'a');
  EXPECT_EQ(buffer[1023], '\0');
  EXPECT_EQ(buffer[1024], 'X');

  std::string format(1500, 'b');
  EXPECT_EQ(wsprintfA(buffer, format.c_str()), 1023);
  EXPECT_EQ(buffer[1023], '\0');

  std::string exact(1023, 'c');
  EXPECT_EQ(wsprintfA(buffer, "%s", exact.c_str()), 1023);
  EXPECT_EQ(std::string(buffer), exact);
}

TEST(Wsprintf, PrecisionBoundsTheBytesReadFromAString) {
  // Precision limits how far the argument is read: it need not be terminated beyond it.
  const char unterminated[3] = {'a', 'b', 'c'};
  const WCHAR wideUnterminated[2] = {u'ワ', u'イ'};
  struct Case {
    std::string got;
    const char* expected;
  };
  const Case cases[] = {
      {Format("%.3s|", unterminated), "abc|"},
      {Format("%.2s|", unterminated), "ab|"},
      {Format("%.0s|", unterminated), "|"},
      {Format("%.2S|", wideUnterminated), "ワイ|"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(Wsprintf, HugeWidthAndPrecisionStillStopAt1024Bytes) {
  struct Case {
    const char* format;
    char fill;
  };
  const Case cases[] = {
      {"%99999999999d", ' '},   // wider than an int can count
      {"%2000000000d", ' '},
      {"%.99999999999d", '0'},
      {"%.2000000000u", '0'},
      {"%099999999999x", '0'},
      {"%99999999999s", ' '},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    std::string got = std::string(c.format).back() == 's' ? Format(c.format, "z") : Format(c.format, 1);
    EXPECT_EQ(got, std::string(1023, c.fill));
  }
}

}  // namespace
