// LinkInfo: the target's volume and local path, as [MS-SHLLINK] 2.3 lays it out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace layer::shelllink {

// The drive serial we write: the real one of the opening machine cannot be known here.
constexpr uint32_t kDriveSerial = 0x7B15C0DE;
constexpr uint32_t kDriveFixed = 3;

// LinkInfo for a local path on a fixed drive. The path goes in code page 932; the Unicode
// copy is added only when that code page cannot hold it, as Windows does.
std::vector<uint8_t> BuildLinkInfo(const std::u16string& path);

struct LinkInfoData {
  bool hasLocalBasePath = false;
  uint32_t driveType = 0;
  uint32_t driveSerial = 0;
  std::string localBasePathAnsi;
  std::optional<std::u16string> localBasePathUnicode;
};
// Reads a whole LinkInfo structure (size field included); nullopt when malformed.
std::optional<LinkInfoData> ParseLinkInfo(const uint8_t* data, std::size_t size);

}  // namespace layer::shelllink
