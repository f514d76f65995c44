#include "shortcut/make_shortcut.h"

#include <new>
#include <vector>

#include "app/globals.h"
#include "app/window_base.h"
#include "browser/com_error.h"
#include "browser/com_ref.h"
#include "platform.h"
#include "resource.h"
#include "text/file_helper.h"
#include "text/vemi_string.h"

namespace {

const char kExplorer[] = "explorer.exe";
const char kShell32[] = "\\shell32.dll";
const int kFolderIconIndex = 3;
// Three ideographic spaces end every message line of the program.
const char kMessageEnd[] = "　　　\n";

// Step 1 of a directory shortcut: "/e," and the quoted folder of the target field, in gWorkPath.
// False when the field is empty (the user has been told).
bool ComposeDirectoryArguments() {
  gDialog->GetItemText(IDC_TARGET_DIRECTORY, gWorkPath);
  if (gWorkPath.IsDifferent("") == 0) {
    WarnFormat(*gDialog, "対象ディレクトリが指定されていません　　　");
    return false;
  }
  if (gFileHelper.IsDirectory(gWorkPath.buffer) == 0) gWorkPath.RemoveFileSpec();
  gWorkPath.AddQuotes('"');
  gWorkPath.Prepend("/e,");
  return true;
}

// The folder's name from the target field, appended to the save folder as "\<name>.lnk".
void AppendDirectoryFileName(VemiString& fileName) {
  gDialog->GetItemText(IDC_TARGET_DIRECTORY, gWorkPath);
  gWorkPath.StripPath();
  fileName.Append("\\");
  fileName.Append(gWorkPath);
  fileName.Append(".lnk");
}

void SetDirectoryIcon(IShellLinkA* link) {
  char iconPath[256] = {};
  UINT length = GetSystemDirectoryA(iconPath, sizeof iconPath);
  // A system directory too long for the buffer leaves the link without an icon.
  if (length == 0 || length + sizeof kShell32 > sizeof iconPath) return;
  lstrcatA(iconPath, kShell32);
  link->SetIconLocation(iconPath, kFolderIconIndex);
}

// The file name as the wide string that IPersistFile::Save takes.
std::vector<WCHAR> WideFileName(const VemiString& fileName) {
  const char* text = fileName.buffer ? fileName.buffer : "";
  int units = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
  if (units == 0) RaiseComError(LastErrorResult());
  std::vector<WCHAR> wide;
  try {
    wide.resize(static_cast<size_t>(units));
  } catch (const std::bad_alloc&) {
    RaiseComError(E_OUTOFMEMORY);
  }
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), units) == 0) RaiseComError(LastErrorResult());
  return wide;
}

// A save that failed is not confirmed: the user sees which file could not be written.
void WarnSaveFailed(const VemiString& fileName, HRESULT hr) {
  char code[32] = {};
  wsprintfA(code, " (0x%08lX)", static_cast<DWORD>(hr));
  VemiString message;
  message.Assign(fileName.buffer);
  message.Append("\n");
  message.Append("ショートカットを保存できませんでした");
  message.Append(code);
  message.Append("　　　");
  gDialog->ShowWarning(message);
}

}  // namespace

void MakeShortcut(ShortcutKind kind) {
  if (kind != Directory) return;
  if (!ComposeDirectoryArguments()) return;

  ComRef<IShellLinkA> link;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out());
  if (FAILED(hr)) RaiseComError(hr);
  ComRef<IPersistFile> file;
  hr = link->QueryInterface(IID_IPersistFile, file.Out());
  if (FAILED(hr)) RaiseComError(hr);

  link->SetPath(kExplorer);
  link->SetArguments(gWorkPath.buffer);

  VemiString fileName;
  gDialog->GetItemText(IDC_SAVE_DIRECTORY, fileName);
  if (fileName.IsSame("") != 0) {
    WarnFormat(*gDialog, "保存ディレクトリが指定されていません　　　");
    return;
  }

  AppendDirectoryFileName(fileName);
  SetDirectoryIcon(link.Get());

  std::vector<WCHAR> wideName = WideFileName(fileName);
  hr = file->Save(wideName.data(), TRUE);
  if (FAILED(hr)) {
    WarnSaveFailed(fileName, hr);
    return;
  }

  gWorkPath.Append(kMessageEnd);
  gDialog->ShowWarning(gWorkPath);
}
