// Helpers shared by the VemiString tests.
#pragma once

#include <cstring>
#include <string>

#include "platform.h"
#include "text/vemi_string.h"

// The text as a std::string; "<no block>" when the VemiString has none.
inline std::string TextOf(const VemiString& v) {
  return v.buffer ? std::string(v.buffer) : std::string("<no block>");
}

// The text plus its terminator fits the block the VemiString owns.
inline bool TerminatedInsideBlock(const VemiString& v) {
  if (!v.buffer) return false;
  SIZE_T size = GlobalSize(v.buffer);
  return std::memchr(v.buffer, 0, size) != nullptr;
}
