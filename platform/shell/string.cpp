// SHLWAPI string search.
#include <cstring>

#include "char_next.h"
#include "shell.h"

// As Windows' StrStrA: null when either argument is null or the pattern is empty; candidates are
// the starts of characters (CharNextA steps), so an occurrence that would begin on the second byte
// of a double-byte character is not found. Case-sensitive, byte-wise.
LPSTR WINAPI StrStrA(LPCSTR text, LPCSTR pattern) {
  if (!text || !pattern || !*pattern) return nullptr;
  const std::size_t length = std::strlen(pattern);
  const char* end = text + std::strlen(text);
  for (const char* p = text; static_cast<std::size_t>(end - p) >= length;
       p = layer::shell::CharNext(p)) {
    if (std::memcmp(p, pattern, length) == 0) return const_cast<LPSTR>(p);
  }
  return nullptr;
}
