#include "shelllink/shell_link_object.h"

#include <atomic>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "com/task_memory.h"
#include "kernel/codepage.h"
#include "kernel/kernel.h"
#include "shell/drive_mapping.h"
#include "shelllink/file_io.h"
#include "shelllink/link_data.h"
#include "shelllink/link_format.h"
#include "shelllink/link_reader.h"
#include "shelllink/link_writer.h"
#include "shelllink/shelllink.h"
#include "shelllink/target.h"
#include "shelllink/text.h"

namespace layer::shelllink {
namespace {

std::atomic<long> gLiveObjects{0};

constexpr std::size_t kMaxLinkFileBytes = 1 << 20;  // far beyond any real link

std::u16string_view WideView(LPCOLESTR text) {
  return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

// A Windows file name (Z:\...) as a path of this file system.
HRESULT MapFileName(LPCOLESTR fileName, std::string* posix) {
  if (fileName == nullptr || fileName[0] == 0) return E_INVALIDARG;
  auto utf8 = Utf16ToUtf8(WideView(fileName));
  if (!utf8) return HRESULT_FROM_WIN32(ERROR_INVALID_NAME);
  auto mapped = layer::drive::ToPosix(*utf8);
  if (!mapped) return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
  *posix = std::move(*mapped);
  return S_OK;
}

// ANSI text from the program; null counts as empty.
std::optional<std::u16string> FromAnsi(LPCSTR text) {
  if (text == nullptr) return std::u16string();
  return layer::cp932::ToUtf16(text);
}

HRESULT CopyOut(std::u16string_view text, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return E_INVALIDARG;
  CopyToAnsiBuffer(text, buffer, size);
  return S_OK;
}

class ShellLink final : public IShellLinkA, public IPersistFile {
 public:
  ShellLink() { ++gLiveObjects; }
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;

  // IUnknown, shared by both interfaces.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IShellLinkA) {
      *object = static_cast<IShellLinkA*>(this);
    } else if (iid == IID_IPersistFile || iid == IID_IPersist) {
      *object = static_cast<IPersistFile*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // IShellLinkA.
  HRESULT STDMETHODCALLTYPE GetPath(LPSTR file, int size, WIN32_FIND_DATAA* data,
                                    DWORD flags) override {
    if (file == nullptr || size <= 0) return E_INVALIDARG;
    const ResolvedTarget target = ResolveTarget(link_.target);
    std::u16string path = target.path.empty() ? link_.target : target.path;
    if ((flags & SLGP_RAWPATH) && !target.unexpanded.empty()) path = target.unexpanded;
    CopyToAnsiBuffer(path, file, size);
    if (data != nullptr) {
      std::memset(data, 0, sizeof *data);
      data->dwFileAttributes = target.isDirectory ? FILE_ATTRIBUTE_DIRECTORY : 0;
      const std::size_t slash = path.rfind(u'\\');
      CopyToAnsiBuffer(slash == std::u16string::npos ? path : path.substr(slash + 1),
                       data->cFileName, MAX_PATH);
    }
    return path.empty() ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE* idList) override {
    if (idList != nullptr) *idList = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDescription(LPSTR name, int size) override {
    return CopyOut(link_.description, name, size);
  }
  HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR name) override {
    return SetBounded(name, &link_.description);
  }
  HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR dir, int size) override {
    return CopyOut(link_.workingDirectory, dir, size);
  }
  HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR dir) override {
    return SetBounded(dir, &link_.workingDirectory);
  }
  HRESULT STDMETHODCALLTYPE GetArguments(LPSTR args, int size) override {
    return CopyOut(link_.arguments, args, size);
  }
  HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR args) override {
    auto text = FromAnsi(args);
    // The arguments have no length limit but their 16-bit count.
    if (!text || text->size() > 0xFFFF) return E_INVALIDARG;
    link_.arguments = std::move(*text);
    dirty_ = true;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetHotkey(WORD* hotkey) override {
    if (hotkey == nullptr) return E_POINTER;
    *hotkey = link_.hotkey;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetHotkey(WORD hotkey) override {
    link_.hotkey = hotkey;
    dirty_ = true;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetShowCmd(int* showCmd) override {
    if (showCmd == nullptr) return E_POINTER;
    *showCmd = link_.showCommand;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetShowCmd(int showCmd) override {
    link_.showCommand = showCmd;
    dirty_ = true;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR iconPath, int size, int* icon) override {
    if (icon == nullptr) return E_POINTER;
    const HRESULT hr = CopyOut(link_.iconPath, iconPath, size);
    if (SUCCEEDED(hr)) *icon = link_.iconIndex;
    return hr;
  }
  HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR iconPath, int icon) override {
    const HRESULT hr = SetBounded(iconPath, &link_.iconPath);
    if (SUCCEEDED(hr)) link_.iconIndex = icon;
    return hr;
  }
  HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetPath(LPCSTR file) override {
    if (file == nullptr) return E_INVALIDARG;
    auto text = FromAnsi(file);
    if (!text || text->size() > kMaxStringUnits ||
        ResolveTarget(*text).path.size() > kMaxStringUnits) {
      return E_INVALIDARG;
    }
    link_.target = std::move(*text);
    dirty_ = true;
    return S_OK;
  }

  // IPersistFile.
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override {
    if (clsid == nullptr) return E_POINTER;
    *clsid = CLSID_ShellLink;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE IsDirty() override { return dirty_ ? S_OK : S_FALSE; }
  HRESULT STDMETHODCALLTYPE Load(LPCOLESTR fileName, DWORD) override {
    std::string path;
    HRESULT hr = MapFileName(fileName, &path);
    if (FAILED(hr)) return hr;
    std::vector<uint8_t> bytes;
    hr = ReadWholeFile(path, kMaxLinkFileBytes, &bytes);
    if (FAILED(hr)) return hr;
    auto file = ReadLinkFile(bytes.data(), bytes.size());
    if (!file) return E_FAIL;
    link_ = FromFile(*file);
    curFile_ = std::u16string(WideView(fileName));
    dirty_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Save(LPCOLESTR fileName, BOOL remember) override {
    const std::u16string name = fileName != nullptr ? std::u16string(WideView(fileName)) : curFile_;
    std::string path;
    HRESULT hr = MapFileName(name.c_str(), &path);
    if (FAILED(hr)) return hr;
    std::vector<uint8_t> bytes;
    hr = SerializeLink(link_, &bytes);
    if (FAILED(hr)) return hr;
    hr = WriteFileAtomically(path, bytes);
    if (FAILED(hr)) return hr;
    if (remember || fileName == nullptr) {
      curFile_ = name;
      dirty_ = false;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* fileName) override {
    if (fileName == nullptr) return E_POINTER;
    // Without a file, Windows hands out the default prompt and S_FALSE.
    const std::u16string text = curFile_.empty() ? std::u16string(u"*.lnk") : curFile_;
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc((text.size() + 1) * sizeof(OLECHAR)));
    if (copy == nullptr) {
      *fileName = nullptr;
      return E_OUTOFMEMORY;
    }
    std::memcpy(copy, text.c_str(), (text.size() + 1) * sizeof(OLECHAR));
    *fileName = copy;
    return curFile_.empty() ? S_FALSE : S_OK;
  }

 private:
  ~ShellLink() { --gLiveObjects; }

  HRESULT SetBounded(LPCSTR text, std::u16string* field) {
    auto wide = FromAnsi(text);
    if (!wide || wide->size() > kMaxStringUnits) return E_INVALIDARG;
    *field = std::move(*wide);
    dirty_ = true;
    return S_OK;
  }

  // The target as the file names it: the unexpanded text when it kept one, else the path.
  static LinkData FromFile(const LinkFile& file) {
    LinkData link;
    if ((file.flags & kHasExpString) && file.environmentUnicode && !file.environmentUnicode->empty()) {
      link.target = *file.environmentUnicode;
    } else if (file.localBasePathUnicode) {
      link.target = *file.localBasePathUnicode;
    } else if (file.localBasePathAnsi) {
      link.target = layer::cp932::ToUtf16(*file.localBasePathAnsi).value_or(std::u16string());
    } else if (file.idListPath) {
      link.target = *file.idListPath;
    } else if (file.relativePath) {
      link.target = *file.relativePath;
    }
    if (file.relativePath && *file.relativePath != link.target) link.relativePath = *file.relativePath;
    link.arguments = file.arguments.value_or(std::u16string());
    link.iconPath = file.iconLocation.value_or(std::u16string());
    link.iconIndex = file.iconIndex;
    link.description = file.name.value_or(std::u16string());
    link.workingDirectory = file.workingDirectory.value_or(std::u16string());
    link.showCommand = static_cast<int32_t>(file.showCommand);
    link.hotkey = file.hotkey;
    return link;
  }

  std::atomic<ULONG> refs_{1};
  LinkData link_;
  std::u16string curFile_;
  bool dirty_ = false;
};

}  // namespace

HRESULT CreateShellLink(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  auto* link = new (std::nothrow) ShellLink();
  if (link == nullptr) return E_OUTOFMEMORY;
  const HRESULT hr = link->QueryInterface(iid, object);
  link->Release();  // the factory's own reference; QueryInterface took the caller's
  return hr;
}

long LiveObjectCount() { return gLiveObjects.load(); }

}  // namespace layer::shelllink
