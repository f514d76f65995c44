// Constants of the Shell Link binary format ([MS-SHLLINK] 2.1 and 2.5).
#pragma once

#include <cstddef>
#include <cstdint>

namespace layer::shelllink {

constexpr uint32_t kHeaderSize = 0x4C;
// CLSID_ShellLink as the header stores it.
constexpr uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

enum LinkFlags : uint32_t {
  kHasLinkTargetIdList = 0x00000001,
  kHasLinkInfo = 0x00000002,
  kHasName = 0x00000004,
  kHasRelativePath = 0x00000008,
  kHasWorkingDir = 0x00000010,
  kHasArguments = 0x00000020,
  kHasIconLocation = 0x00000040,
  kIsUnicode = 0x00000080,
  kForceNoLinkInfo = 0x00000100,
  kHasExpString = 0x00000200,
};

constexpr uint32_t kEnvironmentBlockSize = 0x314;
constexpr uint32_t kEnvironmentBlockSignature = 0xA0000001;
constexpr std::size_t kEnvironmentAnsiBytes = 260;
constexpr std::size_t kEnvironmentUnicodeUnits = 260;

// Every string but the arguments, and every path, holds at most this many UTF-16 units;
// Windows treats the 260th as the terminator.
constexpr std::size_t kMaxStringUnits = 259;

}  // namespace layer::shelllink
