// FileHelper on the Linux file system, seen as drive Z:.
#include "text/file_helper.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A fresh directory under /tmp, removed with everything in it.
class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    char pattern[] = "/tmp/tobrisk-text-XXXXXX";
    if (mkdtemp(pattern)) path_ = pattern;
  }
  ~TemporaryDirectory() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string OnDriveZ(std::string posixPath) {
  for (char& c : posixPath) {
    if (c == '/') c = '\\';
  }
  return "Z:" + posixPath;
}

TEST(FileHelperTest, IsDirectoryTellsDirectoriesFromFilesAndMissingPaths) {
  TemporaryDirectory dir;
  ASSERT_FALSE(dir.path().empty());
  std::ofstream(dir.path() + "/memo.txt") << "x";
  std::filesystem::create_directory(dir.path() + "/sub");

  FileHelper helper;
  EXPECT_NE(helper.IsDirectory(OnDriveZ(dir.path()).c_str()), 0);
  EXPECT_NE(helper.IsDirectory(OnDriveZ(dir.path() + "/sub").c_str()), 0);
  EXPECT_EQ(helper.IsDirectory(OnDriveZ(dir.path() + "/memo.txt").c_str()), 0);
  EXPECT_EQ(helper.IsDirectory(OnDriveZ(dir.path() + "/missing").c_str()), 0);
  EXPECT_EQ(helper.IsDirectory(""), 0);
}

}  // namespace
