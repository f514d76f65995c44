// The Z: drive mapping, both ways.
#include <gtest/gtest.h>

#include "support/printable.h"

#include <optional>
#include <string>

#include "shell/drive_mapping.h"

namespace {

struct Case {
  std::string from;
  std::optional<std::string> to;
};

void PrintTo(const Case& c, std::ostream* os) { *os << testing_text::Escaped(c.from); }

class ToPosixTest : public testing::TestWithParam<Case> {};

TEST_P(ToPosixTest, Table) {
  const Case c = GetParam();
  EXPECT_EQ(layer::drive::ToPosix(c.from), c.to) << c.from;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToPosixTest,
    testing::Values(Case{"Z:\\home\\u", "/home/u"}, Case{"z:\\home\\u", "/home/u"},
                    Case{"Z:\\", "/"}, Case{"Z:", "/"}, Case{"z:", "/"},
                    Case{"Z:\\tmp\\", "/tmp/"},  // a trailing separator stays
                    Case{"Z:\\\\home\\\\\\u", "/home/u"},  // a run of separators is one
                    Case{"Z:/home/u", "/home/u"},  // '/' separates on Windows too
                    Case{"Z:\\a b\\c.d", "/a b/c.d"},
                    Case{"Z:\\home\\..\\tmp", "/home/../tmp"},
                    Case{"Z:\\\xE8\xA1\xA8", "/\xE8\xA1\xA8"},  // UTF-8 表 passes through
                    Case{"C:\\x", std::nullopt}, Case{"C:", std::nullopt},
                    Case{"Y:\\home", std::nullopt},
                    Case{"\\\\server\\share", std::nullopt},
                    Case{"\\home\\u", std::nullopt},  // the root of the current drive
                    Case{"home\\u", std::nullopt}, Case{"Z:home", std::nullopt},
                    Case{"", std::nullopt}, Case{"Z", std::nullopt},
                    Case{std::string("Z:\\a\0b", 6), std::nullopt}));

class ToWindowsTest : public testing::TestWithParam<Case> {};

TEST_P(ToWindowsTest, Table) {
  const Case c = GetParam();
  EXPECT_EQ(layer::drive::ToWindows(c.from), c.to) << c.from;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToWindowsTest,
    testing::Values(Case{"/", "Z:\\"}, Case{"//", "Z:\\"}, Case{"/home/u", "Z:\\home\\u"},
                    Case{"/home/u/", "Z:\\home\\u\\"}, Case{"/home//u", "Z:\\home\\u"},
                    Case{"/home/u/Photos", "Z:\\home\\u\\Photos"},
                    Case{"/tmp/\xE8\xA1\xA8", "Z:\\tmp\\\xE8\xA1\xA8"},
                    Case{"home/u", std::nullopt}, Case{"", std::nullopt},
                    Case{"./a", std::nullopt},
                    // Names Windows cannot hold.
                    Case{"/tmp/a\\b", std::nullopt}, Case{"/tmp/a:b", std::nullopt},
                    Case{"/tmp/a?", std::nullopt}, Case{"/tmp/a*", std::nullopt},
                    Case{"/tmp/\"a\"", std::nullopt}, Case{"/tmp/<a>", std::nullopt},
                    Case{"/tmp/a|b", std::nullopt}, Case{"/tmp/a\tb", std::nullopt},
                    Case{std::string("/a\0b", 4), std::nullopt}));

TEST(DriveMapping, RoundTrip) {
  for (const char* posix : {"/", "/home/u", "/home/u/", "/tmp/\xE8\xA1\xA8/a b"}) {
    const auto windows = layer::drive::ToWindows(posix);
    ASSERT_TRUE(windows) << posix;
    EXPECT_EQ(layer::drive::ToPosix(*windows), std::string(posix));
  }
}

}  // namespace
