#include "support/scratch_folder.h"

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

namespace test_support {

ScratchFolder::ScratchFolder() {
  char pattern[] = "/tmp/tobrisk-test-XXXXXX";
  const char* made = ::mkdtemp(pattern);
  path_ = made != nullptr ? made : "";
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  const std::string command = "rm -rf '" + path_ + "'";
  if (std::system(command.c_str()) != 0) ADD_FAILURE() << "could not remove " << path_;
}

std::u16string ScratchFolder::Windows() const {
  std::u16string result = u"Z:";
  for (char c : path_) result += c == '/' ? u'\\' : static_cast<char16_t>(c);
  return result;
}

std::vector<std::string> ScratchFolder::Entries() const { return FolderEntries(path_); }

std::vector<std::string> FolderEntries(const std::string& path) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), &::closedir);
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace test_support
