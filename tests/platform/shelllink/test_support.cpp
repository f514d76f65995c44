#include "test_support.h"

#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

#include "kernel/codepage.h"
#include "shelllink/text.h"

namespace shelllink_test {

ScratchFolder::ScratchFolder() {
  char pattern[] = "/tmp/shelllink-test-XXXXXX";
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

std::vector<std::string> ScratchFolder::Entries() const {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path_.c_str()), &::closedir);
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
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

std::map<std::string, std::string> RunLnkinfo(const std::string& path) {
  std::map<std::string, std::string> fields;
  const std::string command = "/usr/bin/lnkinfo -c windows-932 '" + path + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), &::pclose);
  if (!pipe) return fields;
  std::string output;
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, pipe.get())) > 0) output.append(chunk, n);
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    const std::string line = output.substr(start, end - start);
    const size_t colon = line.find(": ");
    if (colon != std::string::npos) {
      size_t first = line.find_first_not_of(" \t");
      size_t labelEnd = line.find_last_not_of(" \t", colon - 1);
      if (first != std::string::npos && labelEnd != std::string::npos && labelEnd >= first) {
        fields.emplace(line.substr(first, labelEnd - first + 1), line.substr(colon + 2));
      }
    }
    start = end + 1;
  }
  fields["(output)"] = output;
  return fields;
}

Link MakeLink() {
  Link link;
  EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                             link.shellLink.PutVoid()),
            S_OK);
  if (link.shellLink) {
    EXPECT_EQ(link.shellLink->QueryInterface(IID_IPersistFile, link.persistFile.PutVoid()), S_OK);
  }
  return link;
}

std::string Ansi(const std::string& utf8) { return layer::cp932::FromUtf8(utf8).value_or("<not 932>"); }

}  // namespace shelllink_test
