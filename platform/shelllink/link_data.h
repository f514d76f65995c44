// What a Shell Link object holds, in UTF-16 as the file stores it.
#pragma once

#include <cstdint>
#include <string>

namespace layer::shelllink {

struct LinkData {
  std::u16string target;  // as given to SetPath: may hold %VARIABLES% or be a bare name
  std::u16string arguments;
  std::u16string iconPath;
  int32_t iconIndex = 0;
  std::u16string description;
  std::u16string workingDirectory;
  std::u16string relativePath;
  int32_t showCommand = 1;  // SW_SHOWNORMAL
  uint16_t hotkey = 0;
};

}  // namespace layer::shelllink
