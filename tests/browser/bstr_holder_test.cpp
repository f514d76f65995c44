// BstrHolder: one shared record per string, its ANSI form made once, the three-way comparison.
#include <gtest/gtest.h>

#include <string>

#include "browser/bstr_holder.h"

namespace {

BstrHolder Holding(const char16_t* text) { return BstrHolder::Take(SysAllocString(reinterpret_cast<const OLECHAR*>(text))); }

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(BstrHolderTest, MadeFromAnsiTextHoldsItsWideForm) {
  struct Case {
    const char* ansi;
    std::u16string wide;
  };
  const Case cases[] = {
      {"about:blank", u"about:blank"},
      {"", u""},
      {"表示", u"表示"},  // 0x95 0x5C: a second byte that is a backslash in ASCII
      {"Notes: a/b?", u"Notes: a/b?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ansi);
    BstrHolder holder(c.ansi);
    ASSERT_NE(holder.Wide(), nullptr);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(holder.Wide()), SysStringLen(holder.Wide())), c.wide);
    EXPECT_STREQ(holder.AnsiText(), c.ansi);
  }
}

TEST(BstrHolderTest, NoStringGivesNoAnsiText) {
  EXPECT_EQ(BstrHolder().Wide(), nullptr);
  EXPECT_EQ(BstrHolder().AnsiText(), nullptr);
  EXPECT_EQ(BstrHolder(static_cast<const char*>(nullptr)).Wide(), nullptr);
  BstrHolder taken = BstrHolder::Take(NULL);
  EXPECT_EQ(taken.Wide(), nullptr);
  EXPECT_EQ(taken.AnsiText(), nullptr);
}

TEST(BstrHolderTest, TheAnsiFormIsMadeOnceAndSharedByCopies) {
  BstrHolder first("https://example.com/");
  const char* ansi = first.AnsiText();
  BstrHolder copy = first;
  EXPECT_EQ(copy.Wide(), first.Wide());
  EXPECT_EQ(copy.AnsiText(), ansi);
  EXPECT_EQ(first.AnsiText(), ansi);
}

TEST(BstrHolderTest, ACopyKeepsTheStringWhenTheFirstHolderLetsGo) {
  BstrHolder copy;
  {
    BstrHolder first("title");
    copy = first;
    first = BstrHolder("other");
  }
  EXPECT_STREQ(copy.AnsiText(), "title");
  copy = copy;
  EXPECT_STREQ(copy.AnsiText(), "title");
}

TEST(BstrHolderTest, CompareOrdersByUnitsThenLength) {
  const BstrHolder blank("about:blank");
  const BstrHolder none = BstrHolder::Take(NULL);
  struct Case {
    const char* name;
    BstrHolder a;
    BstrHolder b;
    int sign;
  };
  const Case cases[] = {
      {"empty holder first", BstrHolder(), blank, -1},
      {"empty holder second", blank, BstrHolder(), 1},
      {"two empty holders", BstrHolder(), BstrHolder(), 0},
      {"separate records, same text", BstrHolder("about:blank"), blank, 0},
      {"one letter short", BstrHolder("about:blan"), blank, -1},
      {"continues after it", BstrHolder("about:blank#top"), blank, 1},
      {"letter case counts", BstrHolder("About:blank"), blank, -1},
      {"absent string first", none, blank, -1},
      {"absent string second", blank, none, 1},
      {"two absent strings", none, BstrHolder::Take(NULL), 0},
      {"units compare unsigned", Holding(u"\uFF01"), Holding(u"a"), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Sign(c.a.Compare(c.b)), c.sign);
  }
  BstrHolder copy = blank;
  EXPECT_EQ(copy.Compare(blank), 0);
}

}  // namespace
