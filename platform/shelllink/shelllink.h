// The Shell Link object (CLSID_ShellLink) with IShellLinkA and IPersistFile, as SHELL32 offers it.
#pragma once

#include "types.h"
#include "com/com.h"

// Item identifier lists are opaque to the program.
struct ITEMIDLIST;
typedef ITEMIDLIST* LPITEMIDLIST;
typedef const ITEMIDLIST* LPCITEMIDLIST;
typedef ITEMIDLIST* PIDLIST_ABSOLUTE;
typedef const ITEMIDLIST* PCIDLIST_ABSOLUTE;

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

struct WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  CHAR cFileName[MAX_PATH];
  CHAR cAlternateFileName[14];
};
typedef WIN32_FIND_DATAA* LPWIN32_FIND_DATAA;

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

// IShellLinkA::GetPath flags.
#define SLGP_SHORTPATH 0x1
#define SLGP_UNCPRIORITY 0x2
#define SLGP_RAWPATH 0x4

// Storage modes for IPersistFile::Load.
#define STGM_READ 0x00000000L
#define STGM_WRITE 0x00000001L
#define STGM_READWRITE 0x00000002L
#define STGM_SHARE_DENY_NONE 0x00000040L
#define STGM_SHARE_DENY_READ 0x00000030L
#define STGM_SHARE_DENY_WRITE 0x00000020L
#define STGM_SHARE_EXCLUSIVE 0x00000010L
#define STGM_CREATE 0x00001000L

class IShellLinkA : public IUnknown {
 public:
  virtual HRESULT STDMETHODCALLTYPE GetPath(LPSTR file, int size, WIN32_FIND_DATAA* data,
                                            DWORD flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE* idList) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE idList) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDescription(LPSTR name, int size) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR name) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR dir, int size) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR dir) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetArguments(LPSTR args, int size) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR args) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHotkey(WORD* hotkey) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetHotkey(WORD hotkey) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetShowCmd(int* showCmd) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetShowCmd(int showCmd) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR iconPath, int size, int* icon) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR iconPath, int icon) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR pathRel, DWORD reserved) = 0;
  virtual HRESULT STDMETHODCALLTYPE Resolve(HWND window, DWORD flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPath(LPCSTR file) = 0;

 protected:
  ~IShellLinkA() = default;
};

class IPersist : public IUnknown {
 public:
  virtual HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) = 0;

 protected:
  ~IPersist() = default;
};

class IPersistFile : public IPersist {
 public:
  virtual HRESULT STDMETHODCALLTYPE IsDirty() = 0;
  virtual HRESULT STDMETHODCALLTYPE Load(LPCOLESTR fileName, DWORD mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE Save(LPCOLESTR fileName, BOOL remember) = 0;
  virtual HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR fileName) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* fileName) = 0;

 protected:
  ~IPersistFile() = default;
};

// Defined together with the object's class registration, so a program that names
// CLSID_ShellLink also links the code that registers it.
extern const CLSID CLSID_ShellLink;
extern const IID IID_IShellLinkA;
extern const IID IID_IPersist;
extern const IID IID_IPersistFile;
