#include "shelllink/link_info.h"

#include "shelllink/bytes.h"
#include "shelllink/text.h"

namespace layer::shelllink {
namespace {

constexpr uint32_t kHeaderSizeAnsi = 0x1C;
constexpr uint32_t kHeaderSizeUnicode = 0x24;
constexpr uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr uint32_t kVolumeIdSize = 0x11;  // 16 bytes of fields and an empty label
constexpr uint32_t kVolumeLabelOffset = 0x10;

}  // namespace

std::vector<uint8_t> BuildLinkInfo(const std::u16string& path) {
  const AnsiText ansi = ToAnsi(path);
  const bool withUnicode = !ansi.exact;
  const uint32_t headerSize = withUnicode ? kHeaderSizeUnicode : kHeaderSizeAnsi;

  const uint32_t volumeIdOffset = headerSize;
  const uint32_t localBasePathOffset = volumeIdOffset + kVolumeIdSize;
  const uint32_t commonPathSuffixOffset = localBasePathOffset + static_cast<uint32_t>(ansi.bytes.size()) + 1;
  const uint32_t localBasePathUnicodeOffset = commonPathSuffixOffset + 1;
  const uint32_t commonPathSuffixUnicodeOffset =
      localBasePathUnicodeOffset + 2 * (static_cast<uint32_t>(path.size()) + 1);

  ByteWriter out;
  out.U32(0);  // LinkInfoSize, patched below
  out.U32(headerSize);
  out.U32(kVolumeIdAndLocalBasePath);
  out.U32(volumeIdOffset);
  out.U32(localBasePathOffset);
  out.U32(0);  // no CommonNetworkRelativeLink
  out.U32(commonPathSuffixOffset);
  if (withUnicode) {
    out.U32(localBasePathUnicodeOffset);
    out.U32(commonPathSuffixUnicodeOffset);
  }
  out.U32(kVolumeIdSize);
  out.U32(kDriveFixed);
  out.U32(kDriveSerial);
  out.U32(kVolumeLabelOffset);
  out.U8(0);  // empty volume label
  out.AnsiZ(ansi.bytes);
  out.U8(0);  // empty CommonPathSuffix
  if (withUnicode) {
    out.Utf16Z(path);
    out.U16(0);  // empty CommonPathSuffixUnicode
  }
  out.PatchU32(0, static_cast<uint32_t>(out.Size()));
  return out.Take();
}

std::optional<LinkInfoData> ParseLinkInfo(const uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  uint32_t infoSize = 0, headerSize = 0, flags = 0, volumeIdOffset = 0, localBasePathOffset = 0,
           networkOffset = 0, suffixOffset = 0;
  if (!in.U32(&infoSize) || infoSize != size || !in.U32(&headerSize) || !in.U32(&flags) ||
      !in.U32(&volumeIdOffset) || !in.U32(&localBasePathOffset) || !in.U32(&networkOffset) ||
      !in.U32(&suffixOffset)) {
    return std::nullopt;
  }
  if (headerSize < kHeaderSizeAnsi || headerSize > size) return std::nullopt;
  LinkInfoData result;
  if ((flags & kVolumeIdAndLocalBasePath) == 0) return result;

  ByteReader volume(data, size);
  uint32_t volumeIdSize = 0;
  if (!volume.Skip(volumeIdOffset) || !volume.U32(&volumeIdSize) || volumeIdSize < 0x10 ||
      volumeIdSize > size - volumeIdOffset || !volume.U32(&result.driveType) ||
      !volume.U32(&result.driveSerial)) {
    return std::nullopt;
  }
  if (!AnsiZAt(data, size, localBasePathOffset, &result.localBasePathAnsi)) return std::nullopt;
  result.hasLocalBasePath = true;
  if (headerSize >= kHeaderSizeUnicode) {
    uint32_t unicodeOffset = 0;
    if (!in.U32(&unicodeOffset)) return std::nullopt;
    if (unicodeOffset != 0) {
      std::u16string unicode;
      if (!Utf16ZAt(data, size, unicodeOffset, &unicode)) return std::nullopt;
      result.localBasePathUnicode = std::move(unicode);
    }
  }
  return result;
}

}  // namespace layer::shelllink
