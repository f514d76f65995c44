// The .res file format that resource compilers write: a sequence of entries, each a
// RESOURCEHEADER (sizes, type, name, flags, language) followed by its data, DWORD-aligned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "user/resource_id.h"

namespace layer::user {

enum : WORD {
  kRtIcon = 3,
  kRtDialog = 5,
  kRtGroupIcon = 14,
};

struct ResourceEntry {
  ResourceId type;
  ResourceId name;
  WORD language = 0;
  const uint8_t* data = nullptr;  // points into the parsed block
  size_t size = 0;
};

// Every entry of a .res image but the empty leading one. Nullopt when any header or data block
// runs past the end or is malformed.
std::optional<std::vector<ResourceEntry>> ParseResourceFile(const uint8_t* data, size_t size);

// The first entry of that type and name, any language; null when there is none.
const ResourceEntry* FindResourceEntry(const std::vector<ResourceEntry>& entries,
                                       const ResourceId& type, const ResourceId& name);

}  // namespace layer::user
