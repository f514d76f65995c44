// Reads the Shell Link binary format back, for Load and for tests. Every offset and count is
// checked against the data; a malformed file gives nullopt, never a read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace layer::shelllink {

struct LinkFile {
  uint32_t flags = 0;
  uint32_t fileAttributes = 0;
  int32_t iconIndex = 0;
  uint32_t showCommand = 0;
  uint16_t hotkey = 0;
  std::optional<std::u16string> idListPath;  // the path the IDList names, when of a known shape
  std::optional<std::string> localBasePathAnsi;  // code page 932 bytes
  std::optional<std::u16string> localBasePathUnicode;
  uint32_t driveType = 0;
  uint32_t driveSerial = 0;
  std::optional<std::u16string> name;
  std::optional<std::u16string> relativePath;
  std::optional<std::u16string> workingDirectory;
  std::optional<std::u16string> arguments;
  std::optional<std::u16string> iconLocation;
  std::optional<std::string> environmentAnsi;
  std::optional<std::u16string> environmentUnicode;
};

std::optional<LinkFile> ReadLinkFile(const uint8_t* data, std::size_t size);

}  // namespace layer::shelllink
