#include "user/dialog_template.h"

#include "user/byte_reader.h"

namespace layer::user {
namespace {

constexpr DWORD kSetFont = 0x40;
constexpr DWORD kExtendedSignature = 0xFFFF0001;  // dlgVer 1, signature 0xFFFF

// sz_Or_Ord: 0x0000 none, 0xFFFF and an ordinal, or a zero-terminated string. For a title,
// 0x0000 is simply the empty string.
ResourceId ReadSzOrOrd(ByteReader& reader, bool title = false) {
  ResourceId id;
  const uint8_t* p = reader.here();
  if (reader.remaining() >= 2 && p[0] == 0xFF && p[1] == 0xFF) {
    reader.Word();
    id.ordinal = reader.Word();
    return id;
  }
  if (!title && reader.remaining() >= 2 && p[0] == 0 && p[1] == 0) {
    reader.Word();
    return id;
  }
  id.isOrdinal = false;
  id.name = reader.String();
  return id;
}

bool ReadItem(ByteReader& reader, bool extended, DialogItemTemplate& item) {
  reader.Align(4);
  if (extended) {
    item.helpId = reader.Dword();
    item.exStyle = reader.Dword();
    item.style = reader.Dword();
  } else {
    item.style = reader.Dword();
    item.exStyle = reader.Dword();
  }
  item.x = reader.Short();
  item.y = reader.Short();
  item.cx = reader.Short();
  item.cy = reader.Short();
  item.id = extended ? reader.Dword() : static_cast<DWORD>(static_cast<int16_t>(reader.Word()));
  item.windowClass = ReadSzOrOrd(reader);
  item.title = ReadSzOrOrd(reader, true);
  WORD extra = reader.Word();
  if (!reader.ok()) return false;
  if (extra > 0) {
    // Classic templates count the size word itself; the creation data is WORD-aligned after it.
    size_t bytes = extended ? extra : (extra >= 2 ? extra - 2u : 0u);
    if (bytes > reader.remaining()) return false;
    item.creationData.assign(reader.here(), reader.here() + bytes);
    reader.Skip(bytes);
  }
  return reader.ok();
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const uint8_t* data, size_t size) {
  ByteReader reader(data, size);
  DialogTemplate result;
  DWORD first = reader.Dword();
  result.extended = first == kExtendedSignature;
  WORD count = 0;
  if (result.extended) {
    result.helpId = reader.Dword();
    result.exStyle = reader.Dword();
    result.style = reader.Dword();
  } else {
    result.style = first;
    result.exStyle = reader.Dword();
  }
  count = reader.Word();
  result.x = reader.Short();
  result.y = reader.Short();
  result.cx = reader.Short();
  result.cy = reader.Short();
  result.menu = ReadSzOrOrd(reader);
  result.windowClass = ReadSzOrOrd(reader);
  result.title = reader.String();
  if (result.style & kSetFont) {
    result.pointSize = reader.Word();
    if (result.extended) {
      result.weight = reader.Word();
      result.italic = reader.Byte();
      result.charset = reader.Byte();
    }
    result.typeface = reader.String();
  }
  if (!reader.ok()) return std::nullopt;
  result.items.resize(count);
  for (DialogItemTemplate& item : result.items) {
    if (!ReadItem(reader, result.extended, item)) return std::nullopt;
  }
  return result;
}

std::string ControlClassName(const ResourceId& windowClass) {
  if (windowClass.isOrdinal) {
    switch (windowClass.ordinal) {
      case 0x80: return "BUTTON";
      case 0x81: return "EDIT";
      case 0x82: return "STATIC";
      case 0x83: return "LISTBOX";
      case 0x84: return "SCROLLBAR";
      case 0x85: return "COMBOBOX";
      default: return {};
    }
  }
  std::string name;
  for (char16_t c : windowClass.name) {
    if (c > 0x7F) return {};  // class names of this layer are ASCII
    name.push_back(static_cast<char>(c >= u'a' && c <= u'z' ? c - 0x20 : c));
  }
  return name;
}

}  // namespace layer::user
