#include "shelllink/id_list.h"

#include "kernel/codepage.h"
#include "shelllink/bytes.h"
#include "shelllink/text.h"

namespace layer::shelllink {
namespace {

// {20D04FE0-3AEA-1069-A2D8-08002B30309D}, CLSID_MyComputer as stored.
constexpr uint8_t kMyComputer[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                     0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr uint8_t kRootItem = 0x1F;
constexpr uint8_t kSortMyComputer = 0x50;
constexpr uint8_t kVolumeItem = 0x2F;
constexpr uint8_t kFolderItem = 0x31;
constexpr uint8_t kFileItem = 0x32;
constexpr uint32_t kFileEntryExtension = 0xBEEF0004;
constexpr uint16_t kExtensionVersion = 3;     // the Windows XP form: long name only
constexpr uint16_t kLongNameOffset = 0x14;    // where the long name starts in that form
constexpr std::size_t kVolumeItemSize = 0x19; // Vista and later need the zero padding

void AppendFileEntry(ByteWriter& out, std::u16string_view name, bool isFolder) {
  ByteWriter item;
  item.U16(0);  // size, patched below
  item.U8(isFolder ? kFolderItem : kFileItem);
  item.U8(0);
  item.U32(0);  // file size: unknown for a file of another machine
  item.U32(0);  // modification time
  item.U16(isFolder ? 0x10 : 0x20);
  item.AnsiZ(ToAnsi(name).bytes);  // primary name in the ANSI code page
  if (item.Size() % 2 != 0) item.U8(0);
  const std::size_t extensionStart = item.Size();
  item.U16(0);  // extension size, patched below
  item.U16(kExtensionVersion);
  item.U32(kFileEntryExtension);
  item.U32(0);  // creation time
  item.U32(0);  // access time
  item.U16(kLongNameOffset);
  item.U16(0);  // no localized name
  item.Utf16Z(name);  // the exact long name, whatever the code page
  item.U16(static_cast<uint16_t>(extensionStart));
  item.PatchU16(extensionStart, static_cast<uint16_t>(item.Size() - extensionStart));
  item.PatchU16(0, static_cast<uint16_t>(item.Size()));
  out.Bytes(item.Data());
}

// Long name from a file entry item's BEEF0004 extension, else its ANSI primary name.
std::optional<std::u16string> FileEntryName(const uint8_t* item, std::size_t size) {
  constexpr std::size_t kNameAt = 14;
  std::string primary;
  if (!AnsiZAt(item, size, kNameAt, &primary)) return std::nullopt;
  std::size_t at = kNameAt + primary.size() + 1;
  if (at % 2 != 0) ++at;
  ByteReader ext(item + std::min(at, size), size - std::min(at, size));
  uint16_t extSize = 0, version = 0, nameOffset = 0;
  uint32_t signature = 0;
  if (ext.U16(&extSize) && ext.U16(&version) && ext.U32(&signature) &&
      signature == kFileEntryExtension && extSize <= size - at && ext.Skip(8) &&
      ext.U16(&nameOffset) && nameOffset < extSize) {
    std::u16string longName;
    if (Utf16ZAt(item + at, extSize, nameOffset, &longName)) return longName;
  }
  // Older items carry only the ANSI name.
  return layer::cp932::ToUtf16(primary);
}

}  // namespace

std::vector<uint8_t> BuildIdList(const std::u16string& path, bool isDirectory) {
  ByteWriter out;
  out.U16(0x14);
  out.U8(kRootItem);
  out.U8(kSortMyComputer);
  out.Bytes(kMyComputer, sizeof kMyComputer);

  out.U16(kVolumeItemSize);
  out.U8(kVolumeItem);
  const std::string drive = {static_cast<char>(path[0]), ':', '\\'};
  out.Bytes(drive.data(), drive.size());
  out.Zeros(kVolumeItemSize - 2 - 1 - drive.size());

  std::size_t start = 3;
  while (start < path.size()) {
    std::size_t end = path.find(u'\\', start);
    if (end == std::u16string::npos) end = path.size();
    if (end > start) {
      const bool last = path.find_first_not_of(u'\\', end) == std::u16string::npos;
      AppendFileEntry(out, std::u16string_view(path).substr(start, end - start),
                      !last || isDirectory);
    }
    start = end + 1;
  }
  out.U16(0);  // TerminalID
  return out.Take();
}

std::optional<std::u16string> PathFromIdList(const uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  std::u16string path;
  bool sawVolume = false;
  for (;;) {
    uint16_t itemSize = 0;
    if (!in.U16(&itemSize)) return std::nullopt;
    if (itemSize == 0) break;
    if (itemSize < 3) return std::nullopt;
    ByteReader item(nullptr, 0);
    if (!in.Take(itemSize - 2u, &item)) return std::nullopt;
    const uint8_t* body = item.Here() - 2;  // item offsets count from its size field
    const std::size_t bodySize = itemSize;
    const uint8_t type = body[2];
    if (type == kRootItem) continue;
    if ((type & 0x70) == 0x20) {
      std::string name;
      if (!AnsiZAt(body, bodySize, 3, &name) || name.empty()) return std::nullopt;
      path.assign(name.begin(), name.end());
      if (path.back() != u'\\') path += u'\\';
      sawVolume = true;
    } else if ((type & 0x70) == 0x30 && sawVolume) {
      auto name = FileEntryName(body, bodySize);
      if (!name) return std::nullopt;
      if (path.back() != u'\\') path += u'\\';
      path += *name;
    } else {
      return std::nullopt;
    }
  }
  if (!sawVolume) return std::nullopt;
  return path;
}

}  // namespace layer::shelllink
