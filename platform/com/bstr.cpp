#include "com/bstr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kPrefix = sizeof(DWORD);

DWORD* PrefixOf(BSTR text) { return reinterpret_cast<DWORD*>(reinterpret_cast<BYTE*>(text) - kPrefix); }

std::size_t UnitsOf(const OLECHAR* text) {
  std::size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

}  // namespace

BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT units) {
  // The byte count must fit the 32-bit prefix.
  if (units > (std::numeric_limits<DWORD>::max() - kPrefix - sizeof(OLECHAR)) / sizeof(OLECHAR)) {
    return nullptr;
  }
  const std::size_t bytes = std::size_t{units} * sizeof(OLECHAR);
  auto* block = static_cast<BYTE*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  const DWORD byteCount = static_cast<DWORD>(bytes);
  std::memcpy(block, &byteCount, kPrefix);
  auto* string = reinterpret_cast<OLECHAR*>(block + kPrefix);
  if (text != nullptr) {
    std::memcpy(string, text, bytes);
  } else {
    std::memset(string, 0, bytes);
  }
  string[units] = 0;
  return string;
}

BSTR WINAPI SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  const std::size_t units = UnitsOf(text);
  if (units > std::numeric_limits<UINT>::max()) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(units));
}

void WINAPI SysFreeString(BSTR text) {
  if (text != nullptr) std::free(PrefixOf(text));
}

UINT WINAPI SysStringByteLen(BSTR text) {
  if (text == nullptr) return 0;
  DWORD bytes;
  std::memcpy(&bytes, PrefixOf(text), sizeof bytes);
  return bytes;
}

UINT WINAPI SysStringLen(BSTR text) { return SysStringByteLen(text) / sizeof(OLECHAR); }
