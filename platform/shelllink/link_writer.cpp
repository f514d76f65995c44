#include "shelllink/link_writer.h"

#include <cstring>

#include "shelllink/bytes.h"
#include "shelllink/id_list.h"
#include "shelllink/link_format.h"
#include "shelllink/link_info.h"
#include "shelllink/target.h"
#include "shelllink/text.h"

namespace layer::shelllink {
namespace {

void WriteHeader(ByteWriter& out, uint32_t flags, uint32_t attributes, const LinkData& link) {
  out.U32(kHeaderSize);
  out.Bytes(kLinkClsid, sizeof kLinkClsid);
  out.U32(flags);
  out.U32(attributes);
  out.Zeros(8 * 3);  // creation, access and write times: not known for another machine's file
  out.U32(0);        // file size
  out.U32(static_cast<uint32_t>(link.iconIndex));
  out.U32(static_cast<uint32_t>(link.showCommand));
  out.U16(link.hotkey);
  out.Zeros(2 + 4 + 4);
}

void WriteString(ByteWriter& out, const std::u16string& text) {
  out.U16(static_cast<uint16_t>(text.size()));
  out.Utf16(text);
}

void WriteEnvironmentBlock(ByteWriter& out, const std::u16string& text) {
  out.U32(kEnvironmentBlockSize);
  out.U32(kEnvironmentBlockSignature);
  // The ANSI copy is only a fallback; when code page 932 needs more than its 259 bytes it
  // stays empty rather than cut, and readers take the exact Unicode copy.
  std::string ansi = ToAnsi(text).bytes;
  if (ansi.size() >= kEnvironmentAnsiBytes) ansi.clear();
  char ansiField[kEnvironmentAnsiBytes] = {};
  std::memcpy(ansiField, ansi.data(), ansi.size());
  out.Bytes(ansiField, sizeof ansiField);
  out.Utf16(text);
  out.Zeros(2 * (kEnvironmentUnicodeUnits - text.size()));
}

bool TooLong(const std::u16string& text) { return text.size() > kMaxStringUnits; }

}  // namespace

HRESULT SerializeLink(const LinkData& link, std::vector<uint8_t>* bytes) {
  if (bytes == nullptr) return E_POINTER;
  if (TooLong(link.target) || TooLong(link.iconPath) || TooLong(link.description) ||
      TooLong(link.workingDirectory) || TooLong(link.relativePath) ||
      link.arguments.size() > 0xFFFF) {
    return E_INVALIDARG;
  }
  const ResolvedTarget target = ResolveTarget(link.target);
  if (TooLong(target.path)) return E_INVALIDARG;

  // A target we cannot place keeps its text as the relative path, so it is not lost.
  std::u16string relativePath = link.relativePath;
  if (target.path.empty() && !link.target.empty() && relativePath.empty()) relativePath = link.target;

  uint32_t flags = kIsUnicode;
  if (!target.path.empty()) flags |= kHasLinkTargetIdList | kHasLinkInfo;
  if (!link.description.empty()) flags |= kHasName;
  if (!relativePath.empty()) flags |= kHasRelativePath;
  if (!link.workingDirectory.empty()) flags |= kHasWorkingDir;
  if (!link.arguments.empty()) flags |= kHasArguments;
  if (!link.iconPath.empty()) flags |= kHasIconLocation;
  if (!target.unexpanded.empty()) flags |= kHasExpString;

  uint32_t attributes = 0;
  if (!target.path.empty()) attributes = target.isDirectory ? 0x10 : 0x20;

  ByteWriter out;
  WriteHeader(out, flags, attributes, link);
  if (flags & kHasLinkTargetIdList) {
    const std::vector<uint8_t> idList = BuildIdList(target.path, target.isDirectory);
    if (idList.size() > 0xFFFF) return E_INVALIDARG;
    out.U16(static_cast<uint16_t>(idList.size()));
    out.Bytes(idList);
  }
  if (flags & kHasLinkInfo) out.Bytes(BuildLinkInfo(target.path));
  if (flags & kHasName) WriteString(out, link.description);
  if (flags & kHasRelativePath) WriteString(out, relativePath);
  if (flags & kHasWorkingDir) WriteString(out, link.workingDirectory);
  if (flags & kHasArguments) WriteString(out, link.arguments);
  if (flags & kHasIconLocation) WriteString(out, link.iconPath);
  if (flags & kHasExpString) WriteEnvironmentBlock(out, target.unexpanded);
  out.U32(0);  // TerminalBlock
  *bytes = out.Take();
  return S_OK;
}

}  // namespace layer::shelllink
