// Dropped files: what DragQueryFileA gives for a drop made from POSIX paths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/drop.h"
#include "shell/shell.h"

namespace {

constexpr UINT kCount = 0xFFFFFFFF;

TEST(Drop, CountAndPaths) {
  layer::UniqueDrop drop(layer::MakeDrop({"/home/u/Photos", "/tmp/\xE8\xA1\xA8", "/"}));
  ASSERT_NE(drop, nullptr);
  EXPECT_EQ(DragQueryFileA(drop.get(), kCount, nullptr, 0), 3u);
  char buffer[MAX_PATH];
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, buffer, MAX_PATH), 16u);
  EXPECT_STREQ(buffer, "Z:\\home\\u\\Photos");
  EXPECT_EQ(DragQueryFileA(drop.get(), 1, buffer, MAX_PATH), 9u);
  EXPECT_STREQ(buffer, "Z:\\tmp\\\x95\x5C") << "code page 932 bytes";
  EXPECT_EQ(DragQueryFileA(drop.get(), 2, buffer, MAX_PATH), 3u);
  EXPECT_STREQ(buffer, "Z:\\");
}

TEST(Drop, SizeQueryWithoutTerminator) {
  layer::UniqueDrop drop(layer::MakeDrop({"/home/u/Photos"}));
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, nullptr, 0), 16u);
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, nullptr, 5), 16u);
}

TEST(Drop, ShortBufferGetsTheCutPath) {
  layer::UniqueDrop drop(layer::MakeDrop({"/home/u/Photos"}));
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, buffer, 6), 5u);
  EXPECT_EQ(std::string(buffer, 8), std::string("Z:\\ho\0xx", 8));
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, buffer, 1), 0u);
  EXPECT_EQ(buffer[0], '\0');
  buffer[0] = 'k';
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, buffer, 0), 0u);
  EXPECT_EQ(buffer[0], 'k') << "size 0 writes nothing";
}

TEST(Drop, LongPathCutTo259Bytes) {
  const std::string name(300, 'a');
  layer::UniqueDrop drop(layer::MakeDrop({"/" + name}));
  char buffer[MAX_PATH];
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, nullptr, 0), 303u);
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, buffer, MAX_PATH), 259u);
  EXPECT_EQ(std::string(buffer), ("Z:\\" + name).substr(0, 259));
}

TEST(Drop, PathsCodePage932CannotRepresentYieldNothing) {
  layer::UniqueDrop drop(layer::MakeDrop({
      "/tmp/\xF0\x9F\x98\x80",  // an emoji
      "/tmp/\xE1\xB8\x81",      // ḁ
      "/tmp/\xC2\xA5",          // ¥, which would become a backslash
      "/tmp/a\\b",              // a name Windows cannot hold
      "relative/path",
      "/tmp/ok",
  }));
  EXPECT_EQ(DragQueryFileA(drop.get(), kCount, nullptr, 0), 6u);
  char buffer[MAX_PATH];
  for (UINT i = 0; i < 5; ++i) {
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(DragQueryFileA(drop.get(), i, nullptr, 0), 0u) << i;
    EXPECT_EQ(DragQueryFileA(drop.get(), i, buffer, MAX_PATH), 0u) << i;
    EXPECT_EQ(buffer[0], 'x') << "nothing written for entry " << i;
  }
  EXPECT_EQ(DragQueryFileA(drop.get(), 5, buffer, MAX_PATH), 9u);
  EXPECT_STREQ(buffer, "Z:\\tmp\\ok");
}

TEST(Drop, IndexOutOfRange) {
  layer::UniqueDrop drop(layer::MakeDrop({"/tmp"}));
  char buffer[8] = "keep";
  EXPECT_EQ(DragQueryFileA(drop.get(), 1, buffer, sizeof buffer), 0u);
  EXPECT_EQ(DragQueryFileA(drop.get(), 1000, nullptr, 0), 0u);
  EXPECT_STREQ(buffer, "keep");
}

TEST(Drop, EmptyDrop) {
  layer::UniqueDrop drop(layer::MakeDrop({}));
  EXPECT_EQ(DragQueryFileA(drop.get(), kCount, nullptr, 0), 0u);
  EXPECT_EQ(DragQueryFileA(drop.get(), 0, nullptr, 0), 0u);
}

TEST(Drop, FinishedOrNullDropsAreHarmless) {
  HDROP drop = layer::MakeDrop({"/tmp"});
  DragFinish(drop);
  EXPECT_EQ(DragQueryFileA(drop, kCount, nullptr, 0), 0u) << "a finished drop is unknown";
  DragFinish(drop);
  DragFinish(nullptr);
  EXPECT_EQ(DragQueryFileA(nullptr, kCount, nullptr, 0), 0u);
}

}  // namespace
