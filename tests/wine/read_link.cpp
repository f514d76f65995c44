// Reads shortcut files with the system's own Shell Link object (Windows, or Wine) and prints,
// one line per file: target|arguments|icon location|icon index, in UTF-8.
// Built by the Windows cross build; scripts/wine-test runs it on the links that the Linux
// writer made, so a second independent reader checks what we write.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* wide) {
  int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, NULL, 0, NULL, NULL);
  if (bytes <= 0) return "?";
  std::string text(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], bytes, NULL, NULL);
  text.resize(static_cast<size_t>(bytes - 1));
  return text;
}

std::string Ansi932ToUtf8(const char* ansi) {
  wchar_t wide[4096] = {};
  if (MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 4096) == 0) return "?";
  return Utf8(wide);
}

template <typename Interface>
struct Ref {
  Interface* p = NULL;
  ~Ref() {
    if (p) p->Release();
  }
};

int ReadOne(const wchar_t* file) {
  Ref<IShellLinkA> link;
  Ref<IPersistFile> persist;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link.p))) ||
      FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist.p)))) {
    std::printf("no shell link object\n");
    return 1;
  }
  HRESULT hr = persist.p->Load(file, STGM_READ);
  if (FAILED(hr)) {
    std::printf("load failed 0x%08lX\n", static_cast<unsigned long>(hr));
    return 1;
  }
  char path[MAX_PATH] = {}, arguments[4096] = {}, icon[MAX_PATH] = {};
  int index = 0;
  link.p->GetPath(path, MAX_PATH, NULL, 0);
  link.p->GetArguments(arguments, sizeof arguments);
  link.p->GetIconLocation(icon, MAX_PATH, &index);
  std::printf("%s|%s|%s|%d\n", Ansi932ToUtf8(path).c_str(), Ansi932ToUtf8(arguments).c_str(),
              Ansi932ToUtf8(icon).c_str(), index);
  return 0;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  CoInitialize(NULL);
  int status = 0;
  for (int i = 1; i < argc; ++i) status |= ReadOne(argv[i]);
  CoUninitialize();
  LocalFree(argv);
  return status;
}
