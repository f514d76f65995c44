// The system directory of the standard Windows that the shortcuts are opened on.
#include <cstring>

#include "kernel.h"

// On success the length without the terminator; when the buffer is too small (or null), the
// size needed including the terminator, and nothing is written.
UINT WINAPI GetSystemDirectoryA(LPSTR buffer, UINT size) {
  static const char kSystemDirectory[] = "C:\\Windows\\System32";
  const UINT length = sizeof kSystemDirectory - 1;
  if (!buffer || size <= length) return length + 1;
  std::memcpy(buffer, kSystemDirectory, length + 1);
  return length;
}
