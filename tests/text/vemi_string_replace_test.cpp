#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "text/vemi_string.h"
#include "vemi_string_testing.h"

namespace {

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(VemiStringReplaceTest, NoOccurrenceLeavesTextBlockAndCapacity) {
  VemiString v;
  v.Assign("plain title");
  char* before = v.buffer;
  v.ReplaceAll("/", "／");
  EXPECT_EQ(TextOf(v), "plain title");
  EXPECT_EQ(v.capacity, 32u);
  EXPECT_EQ(v.buffer, before);
}

TEST(VemiStringReplaceTest, ReplacesEveryOccurrenceLeftToRight) {
  struct Case {
    const char* text;
    const char* pattern;
    const char* replacement;
    const char* expected;
  };
  const Case cases[] = {
      {"a/b/c", "/", "／", "a／b／c"},
      {"/", "/", "／", "／"},
      {"a--b--c", "--", "-", "a-b-c"},
      {"---", "--", "+", "+-"},
      {"aaa", "a", "aa", "aaaaaa"},
      {"<x>", "<", "", "x>"},
      {"?:*", "?", "？", "？:*"},
  };
  for (const Case& c : cases) {
    VemiString v;
    v.Assign(c.text);
    v.ReplaceAll(c.pattern, c.replacement);
    EXPECT_EQ(TextOf(v), c.expected) << c.text << " " << c.pattern << " -> " << c.replacement;
    EXPECT_EQ(v.capacity, 32u);
  }
}

TEST(VemiStringReplaceTest, AShorterReplacementKeepsTheCapacity) {
  VemiString v;
  v.Assign(std::string(40, 'x').c_str());
  v.ReplaceAll("xx", "y");
  EXPECT_EQ(TextOf(v), std::string(20, 'y'));
  EXPECT_EQ(v.capacity, 41u);
}

TEST(VemiStringReplaceTest, SecondBytesOfDoubleByteCharactersAreNeverMatched) {
  struct Case {
    const char* text;
    const char* expected;
  };
  // 表 and ソ end in 0x5C, the backslash byte.
  const Case cases[] = {
      {"表示\\x", "表示￥x"},
      {"表\\", "表￥"},
      {"ソフト", "ソフト"},
      {"\\ソ\\表\\", "￥ソ￥表￥"},
      {"ソ", "ソ"},
  };
  for (const Case& c : cases) {
    VemiString v;
    v.Assign(c.text);
    v.ReplaceAll("\\", "￥");
    EXPECT_EQ(TextOf(v), c.expected) << c.text;
  }
}

TEST(VemiStringReplaceTest, ALeadByteBeforeTheTerminatorEndsTheSearch) {
  VemiString v;
  v.Assign("a\x81");
  v.ReplaceAll("\\", "￥");
  EXPECT_EQ(TextOf(v), "a\x81");
}

TEST(VemiStringReplaceTest, ManyGrowingReplacementsGiveTheWholeResult) {
  for (size_t count : {260u, 261u, 520u, 521u, 1000u}) {
    VemiString v(DWORD(count) + 1);
    v.Assign(std::string(count, '/').c_str());
    v.ReplaceAll("/", "／");
    EXPECT_EQ(TextOf(v), Repeat("／", count)) << count;
    EXPECT_EQ(v.capacity, DWORD(2 * count + 1)) << count;
  }
}

TEST(VemiStringReplaceTest, AResultThatFitsKeepsTheCapacity) {
  VemiString v(300);
  v.Assign("a/b");
  v.ReplaceAll("/", "／");
  EXPECT_EQ(TextOf(v), "a／b");
  EXPECT_EQ(v.capacity, 300u);
}

TEST(VemiStringReplaceTest, AnEmptyOrMissingPatternChangesNothing) {
  VemiString v;
  v.Assign("title");
  v.ReplaceAll("", "x");
  EXPECT_EQ(TextOf(v), "title");
  v.ReplaceAll(nullptr, "x");
  EXPECT_EQ(TextOf(v), "title");
  v.ReplaceAll("t", nullptr);
  EXPECT_EQ(TextOf(v), "title");
  EXPECT_EQ(v.capacity, 32u);
}

TEST(VemiStringReplaceTest, AReplacementFarLongerThanThePatternStaysInsideItsBlocks) {
  const std::string longPiece(600, 'L');
  for (size_t count : {1u, 2u, 50u}) {
    VemiString v;
    std::string text = Repeat("a/", count);
    v.Assign(text.c_str());
    v.ReplaceAll("/", longPiece.c_str());
    std::string expected = Repeat("a" + longPiece, count);
    EXPECT_EQ(TextOf(v), expected) << count;
    EXPECT_EQ(v.capacity, DWORD(std::max<size_t>(32, expected.size() + 1))) << count;
  }
}

TEST(VemiStringReplaceTest, ATextRunningIntoTheSlackIsReplacedWhole) {
  VemiString v;
  v.Assign(Repeat("a/", 15).c_str());  // 30 bytes
  v.AddQuotes('"');                    // 32 bytes in a capacity of 32
  v.ReplaceAll("\"", "'");
  EXPECT_EQ(TextOf(v), "'" + Repeat("a/", 15) + "'");
  EXPECT_EQ(v.capacity, 33u);
}

}  // namespace
