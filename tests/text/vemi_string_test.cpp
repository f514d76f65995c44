#include "text/vemi_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "vemi_string_testing.h"

namespace {

TEST(VemiStringTest, DefaultHasCapacity32AndA160ByteBlockWith42Zeros) {
  VemiString v;
  EXPECT_EQ(v.capacity, 32u);
  ASSERT_NE(v.buffer, nullptr);
  EXPECT_EQ(GlobalSize(v.buffer), SIZE_T(160));
  for (int i = 0; i < 42; ++i) EXPECT_EQ(v.buffer[i], 0) << "byte " << i;
}

TEST(VemiStringTest, ConstructorWithCapacitySizesTheBlock) {
  for (DWORD n : {0u, 1u, 260u, 1000u}) {
    VemiString v(n);
    EXPECT_EQ(v.capacity, n);
    ASSERT_NE(v.buffer, nullptr);
    EXPECT_EQ(GlobalSize(v.buffer), SIZE_T(n) + 128);
    for (DWORD i = 0; i < n + 10; ++i) ASSERT_EQ(v.buffer[i], 0) << "n " << n << " byte " << i;
  }
}

TEST(VemiStringTest, AssignGrowsToExactlyTheNeededBytes) {
  struct Case {
    size_t length;
    DWORD capacity;
  };
  const Case cases[] = {{0, 32}, {31, 32}, {32, 33}, {100, 101}, {259, 260}};
  for (const Case& c : cases) {
    VemiString v;
    std::string text(c.length, 'a');
    v.Assign(text.c_str());
    EXPECT_EQ(v.capacity, c.capacity) << "length " << c.length;
    EXPECT_EQ(TextOf(v), text);
  }
}

TEST(VemiStringTest, AssignReplacesALongerTextWithoutShrinking) {
  VemiString v;
  v.Assign(std::string(50, 'x').c_str());
  v.Assign("short");
  EXPECT_EQ(TextOf(v), "short");
  EXPECT_EQ(v.capacity, 51u);
}

TEST(VemiStringTest, AppendGrowsToExactlyTheNeededBytesAndKeepsEveryByte) {
  struct Case {
    size_t length;
    size_t added;
    DWORD capacity;
  };
  const Case cases[] = {{25, 10, 36}, {25, 6, 32}, {25, 7, 33}, {0, 0, 32}};
  for (const Case& c : cases) {
    VemiString v;
    std::string text;
    for (size_t i = 0; i < c.length; ++i) text += char('a' + i % 26);
    std::string added;
    for (size_t i = 0; i < c.added; ++i) added += char('0' + i % 10);
    v.Assign(text.c_str());
    v.Append(added.c_str());
    EXPECT_EQ(v.capacity, c.capacity) << c.length << " + " << c.added;
    EXPECT_EQ(TextOf(v), text + added);
  }
}

TEST(VemiStringTest, PrependPutsTheTextInFrontAndGrowsToLengthPlus4) {
  struct Case {
    DWORD capacity;
    size_t length;
    DWORD expected;
  };
  const Case cases[] = {{32, 10, 32}, {32, 28, 32}, {32, 29, 33}, {260, 259, 263}, {32, 0, 32}};
  for (const Case& c : cases) {
    VemiString v(c.capacity);
    std::string folder(c.length, 'd');
    v.Assign(folder.c_str());
    v.Prepend("/e,");
    EXPECT_EQ(v.capacity, c.expected) << "length " << c.length;
    EXPECT_EQ(TextOf(v), "/e," + folder);
  }
}

TEST(VemiStringTest, NullTextsLeaveTheTextAsItWas) {
  VemiString v;
  v.Assign("keep");
  char* before = v.buffer;
  v.Assign(static_cast<const char*>(nullptr));
  v.Append(static_cast<const char*>(nullptr));
  v.Prepend(nullptr);
  EXPECT_EQ(TextOf(v), "keep");
  EXPECT_EQ(v.capacity, 32u);
  EXPECT_EQ(v.buffer, before);
}

TEST(VemiStringTest, TextsFromInsideTheOwnBlockAreCopiedSafely) {
  VemiString v;
  std::string text(31, 'z');
  v.Assign(text.c_str());
  v.Append(v.buffer);
  EXPECT_EQ(TextOf(v), text + text);
  v.Prepend(v.buffer + 60);
  EXPECT_EQ(TextOf(v), "zz" + text + text);
  v.Assign(v.buffer + 1);
  EXPECT_EQ(TextOf(v), "z" + text + text);
}

TEST(VemiStringTest, CopyKeepsTheSourceCapacityInABlockOfItsOwn) {
  VemiString source(300);
  source.Assign("C:\\Users\\taro");
  VemiString copy(source);
  EXPECT_EQ(copy.capacity, 300u);
  EXPECT_NE(copy.buffer, source.buffer);
  EXPECT_EQ(TextOf(copy), "C:\\Users\\taro");
  copy.Append("\\x");
  EXPECT_EQ(TextOf(source), "C:\\Users\\taro");
}

TEST(VemiStringTest, AssignAndAppendTakeAnotherVemiStringsText) {
  VemiString other;
  other.Assign(std::string(40, 'o').c_str());
  VemiString v;
  v.Assign(other);
  EXPECT_EQ(TextOf(v), std::string(40, 'o'));
  EXPECT_EQ(v.capacity, 41u);
  v.Append(other);
  EXPECT_EQ(TextOf(v), std::string(80, 'o'));
  EXPECT_EQ(v.capacity, 81u);
}

TEST(VemiStringTest, ReserveWithTheCurrentCapacityKeepsTheBlock) {
  VemiString v;
  v.Assign("abc");
  char* before = v.buffer;
  EXPECT_EQ(v.Reserve(32), before);
  EXPECT_EQ(v.buffer, before);
}

TEST(VemiStringTest, ReserveGrowsToExactlyTheValueAndKeepsTheText) {
  VemiString v;
  std::string text(31, 'r');
  v.Assign(text.c_str());
  char* result = v.Reserve(v.capacity + 260);
  EXPECT_EQ(v.capacity, 292u);
  EXPECT_EQ(result, v.buffer);
  EXPECT_EQ(GlobalSize(v.buffer), SIZE_T(292 + 128));
  EXPECT_EQ(TextOf(v), text);
}

TEST(VemiStringTest, ShrinkingReserveKeepsUpToNPlus9BytesWholeAndStaysTerminated) {
  struct Case {
    DWORD n;
    size_t length;
  };
  const Case cases[] = {{20, 5}, {20, 29}, {20, 30}, {20, 90}, {0, 9}, {0, 10}, {0, 99}};
  for (const Case& c : cases) {
    VemiString v(100);
    std::string text;
    for (size_t i = 0; i < c.length; ++i) text += char('a' + i % 26);
    v.Assign(text.c_str());
    v.Reserve(c.n);
    EXPECT_EQ(v.capacity, c.n);
    ASSERT_TRUE(TerminatedInsideBlock(v)) << "n " << c.n << " length " << c.length;
    std::string kept = TextOf(v);
    if (c.length <= c.n + 9) {
      EXPECT_EQ(kept, text) << "n " << c.n << " length " << c.length;
    } else {
      EXPECT_LE(kept.size(), c.n + 9u);
      EXPECT_EQ(text.compare(0, kept.size(), kept), 0) << "not a prefix: " << kept;
    }
    // The next growth starts from the real length.
    v.Append("!");
    EXPECT_EQ(TextOf(v), kept + "!");
    EXPECT_EQ(v.capacity, std::max<DWORD>(c.n, DWORD(kept.size() + 2)));
  }
}

TEST(VemiStringTest, IsSameTellsEqualEqualIgnoringCaseAndDifferent) {
  struct Case {
    const char* text;
    const char* other;
    int same;
    int different;
  };
  const Case cases[] = {
      {"", "", 1, 0},           {"abc", "abc", 1, 0}, {"abc", "ABC", -1, 1},
      {"Z:\\Tmp", "z:\\tmp", -1, 1}, {"abc", "abd", 0, 1}, {"abc", "", 0, 1},
      {"", "x", 0, 1},          {"写真", "写真", 1, 0},
  };
  for (const Case& c : cases) {
    VemiString v;
    v.Assign(c.text);
    EXPECT_EQ(v.IsSame(c.other), c.same) << c.text << " / " << c.other;
    EXPECT_EQ(v.IsDifferent(c.other), c.different) << c.text << " / " << c.other;
  }
}

TEST(VemiStringTest, FindGivesTheFirstOccurrenceInsideTheText) {
  VemiString v;
  v.Assign("C:\\dir\\dir\\file");
  EXPECT_EQ(v.Find("dir"), v.buffer + 3);
  EXPECT_EQ(v.Find("C:"), v.buffer);
  EXPECT_EQ(v.Find("DIR"), nullptr);
  EXPECT_EQ(v.Find("files"), nullptr);
}

}  // namespace
