// lstr*A, null pointers included.
#include <gtest/gtest.h>

#include "support/printable.h"

#include <cstring>

#include "kernel/kernel.h"

namespace {

TEST(LstrlenA, Lengths) {
  EXPECT_EQ(lstrlenA(nullptr), 0);
  EXPECT_EQ(lstrlenA(""), 0);
  EXPECT_EQ(lstrlenA("abc"), 3);
  EXPECT_EQ(lstrlenA("\x95\x5C"), 2) << "bytes, not characters";
}

TEST(LstrcpyA, CopiesWithTerminator) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(lstrcpyA(buffer, "abc"), buffer);
  EXPECT_EQ(std::memcmp(buffer, "abc\0xxxx", 8), 0);
}

TEST(LstrcpyA, NullsWriteNothing) {
  char buffer[4] = {'k', 'e', 'e', 'p'};
  EXPECT_EQ(lstrcpyA(buffer, nullptr), nullptr);
  EXPECT_EQ(std::memcmp(buffer, "keep", 4), 0);
  EXPECT_EQ(lstrcpyA(nullptr, "abc"), nullptr);
}

TEST(LstrcatA, Concatenates) {
  char buffer[16] = "C:\\Data";
  EXPECT_EQ(lstrcatA(buffer, "\\a.lnk"), buffer);
  EXPECT_STREQ(buffer, "C:\\Data\\a.lnk");
  EXPECT_EQ(lstrcatA(buffer, ""), buffer);
  EXPECT_STREQ(buffer, "C:\\Data\\a.lnk");
}

TEST(LstrcatA, NullsWriteNothing) {
  char buffer[8] = "abc";
  EXPECT_EQ(lstrcatA(buffer, nullptr), nullptr);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(lstrcatA(nullptr, "abc"), nullptr);
}

struct CompareCase {
  const char* a;
  const char* b;
  int exact;     // lstrcmpA
  int caseless;  // lstrcmpiA
};

void PrintTo(const CompareCase& c, std::ostream* os) {
  *os << testing_text::Escaped(c.a) << " vs " << testing_text::Escaped(c.b);
}

class LstrcmpTest : public testing::TestWithParam<CompareCase> {};

TEST_P(LstrcmpTest, Compares) {
  const CompareCase c = GetParam();
  EXPECT_EQ(lstrcmpA(c.a, c.b), c.exact);
  EXPECT_EQ(lstrcmpiA(c.a, c.b), c.caseless);
  EXPECT_EQ(lstrcmpA(c.b, c.a), -c.exact) << "antisymmetric";
  EXPECT_EQ(lstrcmpiA(c.b, c.a), -c.caseless) << "antisymmetric";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LstrcmpTest,
    testing::Values(CompareCase{"", "", 0, 0}, CompareCase{"abc", "abc", 0, 0},
                    CompareCase{"abc", "ABC", 1, 0}, CompareCase{"about:blank", "About:Blank", 1, 0},
                    CompareCase{"abc", "abd", -1, -1}, CompareCase{"ab", "abc", -1, -1},
                    CompareCase{"", "a", -1, -1},
                    // Bytes compare unsigned: a double-byte character sorts after ASCII.
                    CompareCase{"\x95\x5C", "z", 1, 1},
                    // Only ASCII letters fold; a second byte is never folded
                    // (0x82 0x61 and 0x82 0x41 are different characters).
                    CompareCase{"\x82\x61", "\x82\x41", 1, 1},
                    // Nulls: NULL sorts first, two NULLs are equal.
                    CompareCase{nullptr, nullptr, 0, 0}, CompareCase{nullptr, "", -1, -1},
                    CompareCase{nullptr, "a", -1, -1}));

}  // namespace
