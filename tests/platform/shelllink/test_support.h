// Helpers for the Shell Link tests: a scratch folder, file access, lnkinfo, an object maker.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "platform.h"

namespace shelllink_test {

// A fresh folder under /tmp, removed with everything in it at the end.
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

std::vector<uint8_t> ReadBytes(const std::string& path);
bool Exists(const std::string& path);

// lnkinfo's "Label : value" lines, read as code page 932 where it matters.
std::map<std::string, std::string> RunLnkinfo(const std::string& path);

// A Shell Link object from CoCreateInstance, with its two interfaces.
struct Link {
  layer::com::ComPtr<IShellLinkA> shellLink;
  layer::com::ComPtr<IPersistFile> persistFile;
};
Link MakeLink();

// UTF-8 text in the code page the program speaks (932).
std::string Ansi(const std::string& utf8);

}  // namespace shelllink_test
