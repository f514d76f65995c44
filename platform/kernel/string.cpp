// ANSI string functions. Windows' lstr* functions catch faults on bad pointers; here a null
// pointer is the one bad pointer handled: lstrlenA(NULL) is 0, lstrcpyA/lstrcatA with a null
// source or target write nothing and return NULL.
//
// lstrcmpA/lstrcmpiA: Windows compares by the user locale's sort rules (CompareStringA). This
// layer compares byte by byte as unsigned bytes, which for code page 932 text orders by the
// Shift-JIS code; lstrcmpiA folds only the ASCII letters A-Z/a-z, and only outside double-byte
// characters, so a second byte is never folded. The program compares only for equality and
// only against the empty text, where both rules agree. NULL sorts before every string
// (the empty one included); two NULLs are equal. The result is -1, 0 or 1 as on Windows.
#include <cstring>

#include "kernel.h"

int WINAPI lstrlenA(LPCSTR text) {
  if (!text) return 0;
  return static_cast<int>(std::strlen(text));
}

LPSTR WINAPI lstrcpyA(LPSTR to, LPCSTR from) {
  if (!to || !from) return nullptr;
  std::memmove(to, from, std::strlen(from) + 1);
  return to;
}

LPSTR WINAPI lstrcatA(LPSTR to, LPCSTR from) {
  if (!to || !from) return nullptr;
  char* end = to + std::strlen(to);
  std::memmove(end, from, std::strlen(from) + 1);
  return to;
}

namespace {

int Sign(int difference) { return (difference > 0) - (difference < 0); }

unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// -1, 0 or 1 when one or both are null, 2 when both texts are there.
int CompareNulls(LPCSTR a, LPCSTR b) {
  if (a && b) return 2;
  if (!a && !b) return 0;
  return a ? 1 : -1;
}

}  // namespace

int WINAPI lstrcmpA(LPCSTR a, LPCSTR b) {
  if (int nulls = CompareNulls(a, b); nulls != 2) return nulls;
  return Sign(std::strcmp(a, b));  // strcmp compares as unsigned char
}

int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b) {
  if (int nulls = CompareNulls(a, b); nulls != 2) return nulls;
  auto p = reinterpret_cast<const unsigned char*>(a);
  auto q = reinterpret_cast<const unsigned char*>(b);
  bool secondByte = false;  // the previous byte (equal in both) was a lead byte
  for (;; ++p, ++q) {
    const unsigned char x = secondByte ? *p : FoldAscii(*p);
    const unsigned char y = secondByte ? *q : FoldAscii(*q);
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
    secondByte = !secondByte && IsDBCSLeadByte(x);
  }
}
