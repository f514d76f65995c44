#include "text/vemi_string.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// Bytes beyond the capacity in every block; AddQuotes writes into them.
constexpr SIZE_T kSlack = 128;
// Bytes zeroed at the start of a new block beyond the capacity.
constexpr SIZE_T kZeroed = 10;

constexpr DWORD kDefaultCapacity = 32;

}  // namespace

VemiString::VemiString() : capacity(kDefaultCapacity), buffer(nullptr) { AllocateBlock(); }

VemiString::VemiString(DWORD n) : capacity(n), buffer(nullptr) { AllocateBlock(); }

VemiString::VemiString(const VemiString& other) : capacity(other.capacity), buffer(nullptr) {
  AllocateBlock();
  if (!buffer || !other.buffer) return;
  // The source may hold more than its capacity (quotes in the slack); never pass our block.
  SIZE_T length = std::min<SIZE_T>(other.Length(), SIZE_T(capacity) + kSlack - 1);
  std::memcpy(buffer, other.buffer, length);
  buffer[length] = '\0';
}

VemiString::~VemiString() {
  if (buffer && GlobalFree(buffer) != NULL) {
    MessageBoxA(NULL, "メモリの解放に失敗しました", "VemiString", MB_OK);
  }
}

char* VemiString::Assign(const char* text) {
  if (!text) return buffer;
  if (Holds(text)) {
    // Growing would release the block the text lives in.
    VemiString copy(0);
    copy.Assign(text);
    return copy.buffer ? Assign(copy.buffer) : buffer;
  }
  Grow(DWORD(lstrlenA(text)) + 1);
  if (buffer) lstrcpyA(buffer, text);
  return buffer;
}

char* VemiString::Assign(const VemiString& other) {
  if (!other.buffer) return buffer;
  return Assign(other.buffer);
}

char* VemiString::Append(const char* text) {
  if (!text) return buffer;
  if (Holds(text)) {
    VemiString copy(0);
    copy.Assign(text);
    return copy.buffer ? Append(copy.buffer) : buffer;
  }
  Grow(Length() + DWORD(lstrlenA(text)) + 1);
  if (buffer) lstrcatA(buffer, text);
  return buffer;
}

char* VemiString::Append(VemiString other) {
  if (!other.buffer) return buffer;
  return Append(other.buffer);
}

char* VemiString::Prepend(const char* text) {
  if (!text) return buffer;
  if (Holds(text)) {
    VemiString copy(0);
    copy.Assign(text);
    return copy.buffer ? Prepend(copy.buffer) : buffer;
  }
  SIZE_T added = SIZE_T(lstrlenA(text));
  Grow(Length() + DWORD(added) + 1);
  if (!buffer) return buffer;
  std::memmove(buffer + added, buffer, SIZE_T(Length()) + 1);
  std::memcpy(buffer, text, added);
  return buffer;
}

char* VemiString::Reserve(DWORD n) {
  if (n == capacity) return buffer;
  capacity = n;
  Resize();
  return buffer;
}

int VemiString::IsSame(const char* text) const {
  const char* mine = buffer ? buffer : "";
  const char* theirs = text ? text : "";
  if (lstrcmpA(mine, theirs) == 0) return 1;
  if (lstrcmpiA(mine, theirs) == 0) return -1;
  return 0;
}

int VemiString::IsDifferent(const char* text) const {
  return lstrcmpA(buffer ? buffer : "", text ? text : "") != 0 ? 1 : 0;
}

char* VemiString::Find(const char* text) const {
  if (!buffer || !text) return nullptr;
  return StrStrA(buffer, text);
}

DWORD VemiString::Length() const { return buffer ? DWORD(lstrlenA(buffer)) : 0; }

bool VemiString::Holds(const char* text) const {
  if (!buffer || !text) return false;
  const char* end = buffer + GlobalSize(buffer);
  return !std::less<const char*>()(text, buffer) && std::less<const char*>()(text, end);
}

// Exact growth: a block for just the bytes needed, plus the slack.
void VemiString::Grow(DWORD needed) {
  if (needed <= capacity) return;
  capacity = needed;
  Resize();
}

void VemiString::Resize() {
  if (buffer) {
    ChangeBlock();
  } else {
    AllocateBlock();
  }
}

void VemiString::AllocateBlock() {
  buffer = static_cast<char*>(GlobalAlloc(GMEM_FIXED, SIZE_T(capacity) + kSlack));
  if (buffer) std::memset(buffer, 0, SIZE_T(capacity) + kZeroed);
}

// Moves the text into a new block for `capacity`. Growing carries the whole text over; shrinking
// to n keeps up to n + 9 bytes of text. The old block goes even when the new one is refused.
void VemiString::ChangeBlock() {
  char* old = buffer;
  SIZE_T n = capacity;
  char* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, n + kSlack));
  if (block) {
    std::memset(block, 0, n + kZeroed);
    SIZE_T oldSize = GlobalSize(old);
    SIZE_T count;
    if (oldSize > n) {
      count = std::min(n + kZeroed, oldSize);
    } else {
      count = oldSize > kZeroed ? oldSize - kZeroed : 0;
    }
    std::memcpy(block, old, count);
    // A longer text is cut; it must still end inside the zeroed part of the block.
    if (count == n + kZeroed) block[n + kZeroed - 1] = '\0';
  }
  GlobalFree(old);
  buffer = block;
}
