// Writes sample shortcuts with the Linux layer's Shell Link object into a folder and prints,
// one line per file, its Z: path and what a reader must find in it:
//   <file>\t<target>|<arguments>|<icon location>|<icon index>   (UTF-8)
// scripts/wine-test compares these lines with what Wine's own Shell Link object reads.
#include <cstdio>
#include <string>

#include "com/com_ptr.h"
#include "kernel/codepage.h"
#include "platform.h"
#include "shell/drive_mapping.h"

namespace {

struct Sample {
  const char* name;       // file name, UTF-8
  const char* target;     // what the program passes to SetPath, UTF-8
  const char* arguments;  // UTF-8; "%s" stands for the Z: path of the output folder
  const char* icon;
  int index;
  const char* expectedTarget;
};

const Sample kSamples[] = {
    {u8"写真.lnk", "explorer.exe", u8"/e,\"%s\\写真\"", "C:\\Windows\\System32\\shell32.dll", 3,
     "C:\\Windows\\explorer.exe"},
    {u8"表示.lnk", "explorer.exe", u8"/e,\"%s\\表示\"", "C:\\Windows\\System32\\shell32.dll", 3,
     "C:\\Windows\\explorer.exe"},
    {"Notes.lnk", "%ProgramFiles%\\Internet Explorer\\iexplore.exe", "file:///C:/Docs/notes.html", "", 0,
     "C:\\Program Files\\Internet Explorer\\iexplore.exe"},
};

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  size_t at = text.find(what);
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_sample_links <folder>\n");
    return 2;
  }
  const std::string folder = layer::drive::ToWindows(argv[1]).value_or("");
  if (folder.empty()) return 2;
  CoInitialize(NULL);
  int status = 0;
  for (const Sample& sample : kSamples) {
    const std::string arguments = Replace(sample.arguments, "%s", folder);
    const std::string file = folder + "\\" + sample.name;
    layer::com::ComPtr<IShellLinkA> link;
    layer::com::ComPtr<IPersistFile> persist;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, persist.PutVoid()))) {
      status = 1;
      continue;
    }
    link->SetPath(layer::cp932::FromUtf8(sample.target).value_or("").c_str());
    link->SetArguments(layer::cp932::FromUtf8(arguments).value_or("").c_str());
    if (*sample.icon) link->SetIconLocation(sample.icon, sample.index);
    std::u16string wide = layer::cp932::ToUtf16(layer::cp932::FromUtf8(file).value_or("")).value_or(u"");
    if (FAILED(persist->Save(wide.c_str(), TRUE))) {
      std::fprintf(stderr, "could not save %s\n", file.c_str());
      status = 1;
      continue;
    }
    std::printf("%s\t%s|%s|%s|%d\n", file.c_str(), sample.expectedTarget, arguments.c_str(), sample.icon,
                sample.index);
  }
  CoUninitialize();
  return status;
}
