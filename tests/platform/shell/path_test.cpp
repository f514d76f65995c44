// PathRemoveFileSpecA and PathStripPathA on a table of paths, as Windows treats them.
// Shift-JIS bytes are written as escapes: 0x95 0x5C is 表, 0x83 0x5C 0x83 0x74 0x83 0x67 is ソフト;
// both hold a 0x5C second byte that must not be taken for a backslash.
#include <gtest/gtest.h>

#include "support/printable.h"

#include <cstring>
#include <string>

#include "shell/shell.h"

namespace {

#define HYO "\x95\x5C"
#define SOFUTO "\x83\x5C\x83\x74\x83\x67"

struct RemoveCase {
  const char* path;
  const char* result;
  BOOL removed;
};

void PrintTo(const RemoveCase& c, std::ostream* os) { *os << testing_text::Escaped(c.path); }

class PathRemoveFileSpecTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(PathRemoveFileSpecTest, Table) {
  const RemoveCase c = GetParam();
  char buffer[MAX_PATH];
  std::memset(buffer, 'x', sizeof buffer);
  std::strcpy(buffer, c.path);
  const std::size_t length = std::strlen(c.path);
  EXPECT_EQ(PathRemoveFileSpecA(buffer), c.removed);
  EXPECT_STREQ(buffer, c.result);
  EXPECT_EQ(buffer[length + 1], 'x') << "nothing written past the text";
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathRemoveFileSpecTest,
    testing::Values(RemoveCase{"C:\\Data\\Photos", "C:\\Data", TRUE},
                    RemoveCase{"C:\\Data\\a.txt", "C:\\Data", TRUE},
                    RemoveCase{"C:\\Data", "C:\\", TRUE},
                    RemoveCase{"C:\\", "C:\\", FALSE},
                    RemoveCase{"C:", "C:", FALSE},
                    RemoveCase{"C:\\Data\\", "C:\\Data", TRUE},  // the trailing backslash goes
                    RemoveCase{"\\foo", "\\", TRUE},
                    RemoveCase{"\\", "\\", FALSE},
                    RemoveCase{"\\\\server\\share\\x", "\\\\server\\share", TRUE},
                    RemoveCase{"\\\\server\\share", "\\\\server", TRUE},
                    RemoveCase{"\\\\server", "\\\\", TRUE},
                    RemoveCase{"name.txt", "", TRUE},
                    RemoveCase{"", "", FALSE},
                    // Quotes are only text: the opening one stays.
                    RemoveCase{"\"C:\\Data\\a.txt\"", "\"C:\\Data", TRUE},
                    RemoveCase{"Z:\\home\\u\\Photos", "Z:\\home\\u", TRUE},
                    // Double-byte characters with a 0x5C second byte.
                    RemoveCase{"C:\\" HYO "\\" SOFUTO, "C:\\" HYO, TRUE},
                    RemoveCase{"C:\\" SOFUTO, "C:\\", TRUE},
                    RemoveCase{"C:\\" HYO, "C:\\", TRUE},
                    RemoveCase{"C:\\" HYO "\\", "C:\\" HYO, TRUE},
                    RemoveCase{"Z:\\tmp\\" SOFUTO "\\a.txt", "Z:\\tmp\\" SOFUTO, TRUE}));

TEST(PathRemoveFileSpecA, Null) { EXPECT_FALSE(PathRemoveFileSpecA(nullptr)); }

struct StripCase {
  const char* path;
  const char* result;
};

void PrintTo(const StripCase& c, std::ostream* os) { *os << testing_text::Escaped(c.path); }

class PathStripPathTest : public testing::TestWithParam<StripCase> {};

TEST_P(PathStripPathTest, Table) {
  const StripCase c = GetParam();
  char buffer[MAX_PATH];
  std::strcpy(buffer, c.path);
  PathStripPathA(buffer);
  EXPECT_STREQ(buffer, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathStripPathTest,
    testing::Values(StripCase{"C:\\Data\\Photos", "Photos"},
                    StripCase{"C:\\Data\\a.txt", "a.txt"},
                    StripCase{"C:\\Data", "Data"},
                    StripCase{"C:\\", "C:\\"},
                    StripCase{"C:", "C:"},
                    StripCase{"C:\\Data\\", "Data\\"},  // as Windows: the backslash stays
                    StripCase{"\\\\server\\share", "share"},
                    StripCase{"\\foo", "foo"},
                    StripCase{"name", "name"},
                    StripCase{"", ""},
                    StripCase{"\"C:\\Data\\a.txt\"", "a.txt\""},
                    StripCase{"Z:\\home\\u\\Photos", "Photos"},
                    StripCase{"C:\\" HYO "\\" SOFUTO, SOFUTO},
                    StripCase{"C:\\Data\\" HYO, HYO},
                    StripCase{"C:\\" HYO "a", HYO "a"},
                    StripCase{"C:\\" SOFUTO "\\", SOFUTO "\\"}));

TEST(PathStripPathA, Null) { PathStripPathA(nullptr); }

struct StrStrCase {
  const char* text;
  const char* pattern;
  int at;  // -1: null
};

void PrintTo(const StrStrCase& c, std::ostream* os) {
  *os << testing_text::Escaped(c.text) << " / " << testing_text::Escaped(c.pattern);
}

class StrStrTest : public testing::TestWithParam<StrStrCase> {};

TEST_P(StrStrTest, Table) {
  const StrStrCase c = GetParam();
  const char* found = StrStrA(c.text, c.pattern);
  if (c.at < 0) {
    EXPECT_EQ(found, nullptr);
  } else {
    EXPECT_EQ(found, c.text + c.at);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StrStrTest,
    testing::Values(StrStrCase{"abc", "b", 1}, StrStrCase{"abc", "abc", 0},
                    StrStrCase{"abc", "abcd", -1}, StrStrCase{"aaa", "aa", 0},
                    StrStrCase{"ABC", "b", -1},  // case-sensitive
                    StrStrCase{"abc", "", -1}, StrStrCase{"", "a", -1},
                    StrStrCase{nullptr, "a", -1}, StrStrCase{"a", nullptr, -1},
                    StrStrCase{"about:blank", "about:blank", 0},
                    // Not on a second byte: the backslash after 表 is found, not the 0x5C in it.
                    StrStrCase{HYO "\\", "\\", 2}, StrStrCase{HYO, "\\", -1},
                    StrStrCase{"a" HYO "b", HYO, 1}));

}  // namespace
