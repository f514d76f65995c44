// SHLWAPI path steps on code page 932 text, in place. Win32 semantics: the backslash is the
// separator, a drive ("C:") and a drive root ("C:\") are kept whole, a leading "\" or "\\" (UNC)
// is kept. The walk goes by characters (CharNextA), so a double-byte character whose second byte
// is 0x5C (e.g. 0x95 0x5C) is never cut.
#include <cstring>

#include "char_next.h"
#include "shell.h"

using layer::shell::CharNext;

// Removes the last component and the backslash before it:
//   "C:\Data\Photos" -> "C:\Data", "C:\Data" -> "C:\", "C:\Data\" -> "C:\Data",
//   "\foo" -> "\", "\\server\share\x" -> "\\server\share", "name" -> "".
// Returns FALSE when nothing was removed: "C:\", "C:", "\", "\\", "" and null.
// A path in quotes is only text: "\"C:\Data\a.txt\"" -> "\"C:\Data".
BOOL WINAPI PathRemoveFileSpecA(LPSTR path) {
  if (!path) return FALSE;
  char* p = path;
  char* cut = p;  // where the text will end
  // One or two leading backslashes (the root of the drive, or a UNC prefix) stay.
  if (*p == '\\') cut = ++p;
  if (*p == '\\') cut = ++p;
  while (*p) {
    if (*p == '\\') {
      cut = p;
    } else if (*p == ':') {
      cut = ++p;  // the drive stays, and its root backslash with it
      if (*p == '\\') ++cut;
      if (*p == '\0') break;
    }
    p = CharNext(p);
  }
  if (*cut == '\0') return FALSE;
  *cut = '\0';
  return TRUE;
}

namespace {

// Windows' PathFindFileNameA: the character after the last '\', '/' or ':' that is followed by
// something other than a separator or the end; the whole path when there is none.
char* FindFileName(char* path) {
  char* name = path;
  for (char* p = path; *p; p = CharNext(p)) {
    if ((*p == '\\' || *p == '/' || *p == ':') && p[1] && p[1] != '\\' && p[1] != '/') {
      name = p + 1;
    }
  }
  return name;
}

}  // namespace

// Keeps only the last component: "C:\Data\Photos" -> "Photos", "C:\Data\" -> "Data\" (a trailing
// backslash stays with its component), "C:\" and "C:" unchanged, "\\server\share" -> "share".
void WINAPI PathStripPathA(LPSTR path) {
  if (!path) return;
  char* name = FindFileName(path);
  if (name != path) std::memmove(path, name, std::strlen(name) + 1);
}
