// PathIsDirectoryA on real folders, reached through their Z: paths in code page 932.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "kernel/codepage.h"
#include "shell/drive_mapping.h"
#include "shell/shell.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tobrisk-shell-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

class PathIsDirectoryTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(temp_.Path().empty());
    fs::create_directory(temp_.Path() / "sub");
    fs::create_directory(temp_.Path() / "\xE8\xA1\xA8");                    // 表 (UTF-8)
    fs::create_directory(temp_.Path() / "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88");  // ソフト
    std::ofstream(temp_.Path() / "file.txt") << "x";
    const auto windows = layer::drive::ToWindows(temp_.Path().string());
    ASSERT_TRUE(windows);
    const auto cp932 = layer::cp932::FromUtf8(*windows);
    ASSERT_TRUE(cp932);
    base_ = *cp932;  // "Z:\tmp\tobrisk-shell-..."
  }

  TempDir temp_;
  std::string base_;
};

TEST_F(PathIsDirectoryTest, Table) {
  struct Case {
    std::string path;
    bool directory;
  };
  const Case cases[] = {
      {base_, true},
      {base_ + "\\", true},  // a trailing backslash is still the folder
      {base_ + "\\sub", true},
      {base_ + "\\sub\\", true},
      {base_ + "\\\\sub", true},
      {base_ + "\\\x95\x5C", true},                   // 表: its second byte is 0x5C
      {base_ + "\\\x83\x5C\x83\x74\x83\x67", true},   // ソフト
      {base_ + "\\\x83\x5C\x83\x74\x83\x67\\", true},
      {base_ + "\\file.txt", false},
      {base_ + "\\missing", false},
      {base_ + "\\\x95", false},  // a lone lead byte is not valid text
      {"Z:\\", true},
      {"z:\\", true},
      {"Z:", true},
      {"C:\\Windows", false},  // other drives are not here
      {"C:\\", false},
      {"\\\\server\\share", false},
      {"tmp", false},
      {"", false},
  };
  for (const Case& c : cases) {
    const BOOL result = PathIsDirectoryA(c.path.c_str());
    if (c.directory) {
      EXPECT_EQ(result, FILE_ATTRIBUTE_DIRECTORY) << c.path;
    } else {
      EXPECT_EQ(result, FALSE) << c.path;
    }
  }
}

TEST(PathIsDirectoryA, Null) { EXPECT_EQ(PathIsDirectoryA(nullptr), FALSE); }

}  // namespace
