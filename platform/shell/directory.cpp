// PathIsDirectoryA through drive Z:.
#include <sys/stat.h>

#include <cstring>

#include "drive_mapping.h"
#include "kernel/codepage.h"
#include "shell.h"

// FILE_ATTRIBUTE_DIRECTORY (0x10) when the path names an existing directory, as Windows returns
// it; FALSE otherwise. The code page 932 path becomes UTF-8 first (so a 0x5C second byte is a
// character, not a separator), then its POSIX form; a path on any drive other than Z:, a UNC
// path, a relative path or text that is not valid code page 932 is not a directory here.
BOOL WINAPI PathIsDirectoryA(LPCSTR path) {
  if (!path) return FALSE;
  const std::optional<std::string> utf8 = layer::cp932::ToUtf8(std::string_view(path));
  if (!utf8) return FALSE;
  const std::optional<std::string> posix = layer::drive::ToPosix(*utf8);
  if (!posix) return FALSE;
  struct stat status;
  if (stat(posix->c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return FALSE;
  return FILE_ATTRIBUTE_DIRECTORY;
}
