// Walking code page 932 text one character at a time, as USER32's CharNextA does: a lead byte
// and the byte after it are one character (unless that byte is the terminator), so a 0x5C second
// byte is never seen as a backslash. Internal to the shell module.
#pragma once

#include "kernel/kernel.h"

namespace layer::shell {

inline const char* CharNext(const char* p) {
  if (*p == '\0') return p;
  if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0') return p + 2;
  return p + 1;
}

inline char* CharNext(char* p) { return const_cast<char*>(CharNext(static_cast<const char*>(p))); }

}  // namespace layer::shell
