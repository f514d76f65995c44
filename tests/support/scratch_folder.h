// A fresh folder under /tmp for one test, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  const std::string& Posix() const { return path_; }
  // The same folder as the program sees it: Z:\tmp\...
  std::u16string Windows() const;
  std::vector<std::string> Entries() const;

 private:
  std::string path_;
};

// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& path);
std::vector<uint8_t> ReadBytes(const std::string& path);
bool Exists(const std::string& path);

}  // namespace test_support
