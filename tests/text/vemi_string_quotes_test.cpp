#include <gtest/gtest.h>

#include <string>

#include "text/vemi_string.h"
#include "vemi_string_testing.h"

namespace {

struct QuoteCase {
  const char* text;
  const char* expected;
};

TEST(VemiStringQuotesTest, StripQuotesRemovesOneEnclosingPair) {
  const QuoteCase cases[] = {
      {"\"abc\"", "abc"},   {"\"abc", "\"abc"}, {"abc\"", "abc\""}, {"", ""},
      {"\"", ""},           {"\"\"", ""},       {"\"\"\"", "\""},   {"a", "a"},
      {"\"\"x\"\"", "\"x\""}, {"\"写真\"", "写真"},
  };
  for (const QuoteCase& c : cases) {
    VemiString v;
    v.Assign(c.text);
    v.StripQuotes('"');
    EXPECT_EQ(TextOf(v), c.expected) << "[" << c.text << "]";
    EXPECT_EQ(v.capacity, 32u);
  }
}

TEST(VemiStringQuotesTest, StripQuotesOnlyTakesTheGivenCharacter) {
  VemiString v;
  v.Assign("'abc'");
  v.StripQuotes('"');
  EXPECT_EQ(TextOf(v), "'abc'");
  v.StripQuotes('\'');
  EXPECT_EQ(TextOf(v), "abc");
}

// Points the VemiString's buffer at memory the test watches, and gives the block back after.
class BorrowedBuffer {
 public:
  BorrowedBuffer(VemiString& v, char* memory) : v_(v), own_(v.buffer) { v_.buffer = memory; }
  ~BorrowedBuffer() { v_.buffer = own_; }
  BorrowedBuffer(const BorrowedBuffer&) = delete;
  BorrowedBuffer& operator=(const BorrowedBuffer&) = delete;

 private:
  VemiString& v_;
  char* own_;
};

TEST(VemiStringQuotesTest, StripQuotesOnASingleQuoteWritesNothingBeforeTheText) {
  const char kCanary = 0x7E;
  char area[8] = {kCanary, '"', '\0', kCanary, kCanary, kCanary, kCanary, kCanary};
  VemiString v;
  {
    BorrowedBuffer borrowed(v, area + 1);
    v.StripQuotes('"');
  }
  EXPECT_EQ(area[0], kCanary);
  EXPECT_EQ(area[1], '\0');
  EXPECT_EQ(area[3], kCanary);
}

TEST(VemiStringQuotesTest, AddQuotesEnclosesUnlessEnclosedAndKeepsTheCapacity) {
  const QuoteCase cases[] = {
      {"abc", "\"abc\""},     {"\"abc\"", "\"abc\""}, {"", "\"\""},
      {"\"", "\""},           {"\"abc", "\"\"abc\""}, {"abc\"", "\"abc\"\""},
      {"\"\"", "\"\""},       {"写真", "\"写真\""},
  };
  for (const QuoteCase& c : cases) {
    VemiString v;
    v.Assign(c.text);
    v.AddQuotes('"');
    EXPECT_EQ(TextOf(v), c.expected) << "[" << c.text << "]";
    EXPECT_EQ(v.capacity, 32u);
  }
}

TEST(VemiStringQuotesTest, AddQuotesAtAFullCapacityUsesTheSlackAndAppendGrowsFromThere) {
  VemiString v;
  std::string folder(31, 'f');
  v.Assign(folder.c_str());
  char* before = v.buffer;
  v.AddQuotes('"');
  EXPECT_EQ(v.capacity, 32u);
  EXPECT_EQ(v.buffer, before);
  EXPECT_EQ(TextOf(v), "\"" + folder + "\"");

  v.Append("\\x.lnk");
  EXPECT_EQ(v.capacity, 33u + 6u + 1u);
  EXPECT_EQ(TextOf(v), "\"" + folder + "\"\\x.lnk");
}

TEST(VemiStringQuotesTest, AddQuotesNeverWritesPastTheBlock) {
  VemiString v;
  const SIZE_T block = GlobalSize(v.buffer);
  // Alternating quote characters keep adding two bytes until the block is full.
  for (int i = 0; i < 100; ++i) {
    std::string before = TextOf(v);
    v.AddQuotes(i % 2 == 0 ? '"' : '\'');
    std::string after = TextOf(v);
    ASSERT_LE(after.size() + 1, block);
    if (after == before) {
      EXPECT_GT(before.size() + 3, block) << "refused although it fitted";
    }
  }
  EXPECT_EQ(TextOf(v).size(), block - 2);
  EXPECT_EQ(v.capacity, 32u);
}

TEST(VemiStringPathTest, RemoveFileSpecGivesTheFolderOfAQuotedFilePath) {
  const QuoteCase cases[] = {
      {"\"C:\\Users\\taro\\memo.txt\"", "C:\\Users\\taro"},
      {"C:\\Users\\taro\\memo.txt", "C:\\Users\\taro"},
      {"\"Z:\\tmp\\表示\\ソフト.txt\"", "Z:\\tmp\\表示"},
      {"\"C:\\file.txt\"", "C:\\"},
  };
  for (const QuoteCase& c : cases) {
    VemiString v(260);
    v.Assign(c.text);
    v.RemoveFileSpec();
    EXPECT_EQ(TextOf(v), c.expected) << c.text;
    EXPECT_EQ(v.capacity, 260u);
  }
}

TEST(VemiStringPathTest, StripPathGivesTheLastComponent) {
  const QuoteCase cases[] = {
      {"C:\\Users\\taro\\Photos", "Photos"},
      {"\"C:\\Users\\taro\\写真\"", "写真"},
      {"Z:\\tmp\\表示", "表示"},
      {"Photos", "Photos"},
  };
  for (const QuoteCase& c : cases) {
    VemiString v(260);
    v.Assign(c.text);
    v.StripPath();
    EXPECT_EQ(TextOf(v), c.expected) << c.text;
  }
}

}  // namespace
