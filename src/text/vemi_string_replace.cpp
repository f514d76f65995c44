// ReplaceAll of VemiString, with a search that never matches on the second byte of a
// double-byte character (in code page 932 that byte can be 0x5C, the backslash).
#include <algorithm>
#include <cstring>

#include "text/vemi_string.h"

namespace {

// The working copy grows by this much whenever the net growth since its last enlargement
// would pass it.
constexpr DWORD kGrowthStep = 260;

bool IsDoubleByteCodePage() {
  switch (GetACP()) {
    case 932:   // Japanese
    case 936:   // Simplified Chinese
    case 949:   // Korean
    case 950:   // Traditional Chinese
    case 1361:  // Korean (Johab)
      return true;
    default:
      return false;
  }
}

// The first occurrence of `pattern` (length > 0) at a character start from `at` on, or null.
const char* FindCharacterAligned(const char* at, const char* pattern, SIZE_T patternLength,
                                 bool doubleByte) {
  SIZE_T remaining = SIZE_T(lstrlenA(at));
  while (*at != '\0' && remaining >= patternLength) {
    if (std::memcmp(at, pattern, patternLength) == 0) return at;
    // A lead byte just before the terminator is a broken character: step one byte.
    SIZE_T step = doubleByte && IsDBCSLeadByte(BYTE(*at)) && at[1] != '\0' ? 2 : 1;
    at += step;
    remaining -= step;
  }
  return nullptr;
}

}  // namespace

char* VemiString::ReplaceAll(const char* pattern, const char* replacement) {
  if (!buffer || !pattern || !replacement) return buffer;
  const SIZE_T patternLength = SIZE_T(lstrlenA(pattern));
  const SIZE_T replacementLength = SIZE_T(lstrlenA(replacement));
  // An empty pattern occurs everywhere and nowhere: nothing to replace.
  if (patternLength == 0) return buffer;
  const DWORD growth =
      replacementLength > patternLength ? DWORD(replacementLength - patternLength) : 0;

  VemiString work(growth > 0 ? capacity + kGrowthStep : capacity);
  if (!work.buffer) return buffer;

  const bool doubleByte = IsDoubleByteCodePage();
  const char* read = buffer;
  const char* match = FindCharacterAligned(read, pattern, patternLength, doubleByte);
  if (!match) return buffer;

  SIZE_T out = 0;
  DWORD counter = 0;
  while (match) {
    if (growth > 0) {
      counter += growth;
      if (counter > kGrowthStep) {
        if (!work.Reserve(work.capacity + kGrowthStep)) return buffer;
        counter = growth;
      }
    }
    SIZE_T kept = SIZE_T(match - read);
    // Room for what follows; only a replacement far longer than the pattern, or a text that
    // already runs into the slack, needs more than the steps above give.
    SIZE_T needed = out + kept + replacementLength + 1;
    if (needed > work.capacity &&
        !work.Reserve(DWORD(std::max<SIZE_T>(needed, SIZE_T(work.capacity) + kGrowthStep)))) {
      return buffer;
    }
    std::memcpy(work.buffer + out, read, kept);
    std::memcpy(work.buffer + out + kept, replacement, replacementLength);
    out += kept + replacementLength;
    work.buffer[out] = '\0';
    read = match + patternLength;
    match = FindCharacterAligned(read, pattern, patternLength, doubleByte);
  }

  SIZE_T needed = out + SIZE_T(lstrlenA(read)) + 1;
  if (needed > work.capacity && !work.Reserve(DWORD(needed))) return buffer;
  lstrcatA(work.buffer, read);
  return Assign(work);
}
