#include "user/resource_file.h"

#include <cstdlib>

#include "user/byte_reader.h"

namespace layer::user {
namespace {

// An ordinal (0xFFFF and the number) or a zero-terminated UTF-16 name.
ResourceId ReadId(ByteReader& reader) {
  ResourceId id;
  const uint8_t* start = reader.here();
  if (reader.remaining() >= 2 && start[0] == 0xFF && start[1] == 0xFF) {
    reader.Word();
    id.ordinal = reader.Word();
    return id;
  }
  id.isOrdinal = false;
  id.name = reader.String();
  return id;
}

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c; }

}  // namespace

ResourceId ResourceId::FromPointer(LPCSTR pointer) {
  if (IS_INTRESOURCE(pointer)) return Ordinal(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(pointer)));
  if (pointer[0] == '#') {
    char* end = nullptr;
    unsigned long value = std::strtoul(pointer + 1, &end, 10);
    if (end != pointer + 1 && *end == '\0' && value <= 0xFFFF) return Ordinal(static_cast<WORD>(value));
  }
  // Names are ASCII in practice; other bytes are kept as they are and simply match nothing.
  ResourceId id;
  id.isOrdinal = false;
  for (const char* p = pointer; *p; ++p) id.name.push_back(Upper(static_cast<unsigned char>(*p)));
  return id;
}

std::optional<std::vector<ResourceEntry>> ParseResourceFile(const uint8_t* data, size_t size) {
  std::vector<ResourceEntry> entries;
  ByteReader reader(data, size);
  while (reader.remaining() > 0) {
    size_t start = reader.position();
    uint32_t dataSize = reader.Dword();
    uint32_t headerSize = reader.Dword();
    ResourceEntry entry;
    entry.type = ReadId(reader);
    entry.name = ReadId(reader);
    reader.Align(4);
    reader.Dword();  // DataVersion
    reader.Word();   // MemoryFlags
    entry.language = reader.Word();
    reader.Dword();  // Version
    reader.Dword();  // Characteristics
    if (!reader.ok() || headerSize < reader.position() - start) return std::nullopt;
    // The header may be longer than the fields we know: trust its own size.
    ByteReader body(data, size);
    if (!body.Skip(start) || !body.Skip(headerSize)) return std::nullopt;
    entry.data = body.here();
    entry.size = dataSize;
    if (!body.Skip(dataSize)) return std::nullopt;
    body.Align(4);
    // The leading entry of every .res file is empty (type and name 0) and carries nothing.
    bool empty = dataSize == 0 && entry.type.isOrdinal && entry.type.ordinal == 0;
    if (!empty) entries.push_back(std::move(entry));
    reader = body;
  }
  return entries;
}

const ResourceEntry* FindResourceEntry(const std::vector<ResourceEntry>& entries,
                                       const ResourceId& type, const ResourceId& name) {
  for (const ResourceEntry& entry : entries) {
    if (entry.type == type && entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace layer::user
