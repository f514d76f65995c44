// A resource type or name: a 16-bit ordinal or a string, as resource files and
// MAKEINTRESOURCE pointers give them.
#pragma once

#include <string>

#include "types.h"

namespace layer::user {

struct ResourceId {
  bool isOrdinal = true;
  WORD ordinal = 0;
  std::u16string name;  // upper case, as resource compilers store names

  static ResourceId Ordinal(WORD value) { return ResourceId{true, value, {}}; }
  // MAKEINTRESOURCEA(n), "#n" or a name in code page 932.
  static ResourceId FromPointer(LPCSTR pointer);

  bool operator==(const ResourceId& other) const {
    return isOrdinal == other.isOrdinal && (isOrdinal ? ordinal == other.ordinal : name == other.name);
  }
};

}  // namespace layer::user
