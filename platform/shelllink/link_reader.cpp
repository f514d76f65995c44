#include "shelllink/link_reader.h"

#include <cstring>

#include "shelllink/bytes.h"
#include "shelllink/id_list.h"
#include "shelllink/link_format.h"
#include "shelllink/link_info.h"

namespace layer::shelllink {
namespace {

bool ReadString(ByteReader& in, bool unicode, std::optional<std::u16string>* text) {
  uint16_t count = 0;
  if (!in.U16(&count)) return false;
  std::u16string value;
  if (unicode) {
    if (!in.Utf16(count, &value)) return false;
  } else {
    // ANSI strings of other writers: kept byte for byte in the low half of each unit.
    if (in.Remaining() < count) return false;
    value.assign(in.Here(), in.Here() + count);
    in.Skip(count);
  }
  *text = std::move(value);
  return true;
}

bool ReadExtraData(ByteReader& in, LinkFile* link) {
  for (;;) {
    uint32_t blockSize = 0;
    if (!in.U32(&blockSize)) return false;
    if (blockSize < 4) return true;  // TerminalBlock
    if (blockSize < 8) return false;
    ByteReader block(nullptr, 0);
    if (!in.Take(blockSize - 4, &block)) return false;
    uint32_t signature = 0;
    block.U32(&signature);
    if (signature == kEnvironmentBlockSignature) {
      if (blockSize != kEnvironmentBlockSize) return false;
      std::string ansi;
      std::u16string unicode;
      if (!AnsiZAt(block.Here(), kEnvironmentAnsiBytes, 0, &ansi)) return false;
      if (!Utf16ZAt(block.Here() + kEnvironmentAnsiBytes, 2 * kEnvironmentUnicodeUnits, 0, &unicode)) {
        return false;
      }
      link->environmentAnsi = std::move(ansi);
      link->environmentUnicode = std::move(unicode);
    }
  }
}

}  // namespace

std::optional<LinkFile> ReadLinkFile(const uint8_t* data, std::size_t size) {
  if (data == nullptr) return std::nullopt;
  ByteReader in(data, size);
  LinkFile link;
  uint32_t headerSize = 0;
  if (!in.U32(&headerSize) || headerSize != kHeaderSize || in.Remaining() < kHeaderSize - 4) {
    return std::nullopt;
  }
  if (std::memcmp(in.Here(), kLinkClsid, sizeof kLinkClsid) != 0) return std::nullopt;
  in.Skip(sizeof kLinkClsid);
  uint32_t iconIndex = 0;
  in.U32(&link.flags);
  in.U32(&link.fileAttributes);
  in.Skip(8 * 3 + 4);
  in.U32(&iconIndex);
  link.iconIndex = static_cast<int32_t>(iconIndex);
  in.U32(&link.showCommand);
  in.U16(&link.hotkey);
  in.Skip(2 + 4 + 4);

  if (link.flags & kHasLinkTargetIdList) {
    uint16_t idListSize = 0;
    ByteReader idList(nullptr, 0);
    if (!in.U16(&idListSize) || !in.Take(idListSize, &idList)) return std::nullopt;
    link.idListPath = PathFromIdList(idList.Here(), idListSize);
  }
  if (link.flags & kHasLinkInfo) {
    ByteReader peek = in;
    uint32_t infoSize = 0;
    ByteReader info(nullptr, 0);
    if (!peek.U32(&infoSize) || !in.Take(infoSize, &info)) return std::nullopt;
    auto parsed = ParseLinkInfo(info.Here(), infoSize);
    if (!parsed) return std::nullopt;
    link.driveType = parsed->driveType;
    link.driveSerial = parsed->driveSerial;
    if (parsed->hasLocalBasePath) link.localBasePathAnsi = parsed->localBasePathAnsi;
    link.localBasePathUnicode = parsed->localBasePathUnicode;
  }
  const bool unicode = (link.flags & kIsUnicode) != 0;
  const std::pair<uint32_t, std::optional<std::u16string>*> strings[] = {
      {kHasName, &link.name},
      {kHasRelativePath, &link.relativePath},
      {kHasWorkingDir, &link.workingDirectory},
      {kHasArguments, &link.arguments},
      {kHasIconLocation, &link.iconLocation},
  };
  for (const auto& [flag, field] : strings) {
    if ((link.flags & flag) && !ReadString(in, unicode, field)) return std::nullopt;
  }
  if (!ReadExtraData(in, &link)) return std::nullopt;
  return link;
}

}  // namespace layer::shelllink
