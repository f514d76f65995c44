// What a link's target text stands for on the standard Windows machine the links are opened on.
#pragma once

#include <string>
#include <string_view>

namespace layer::shelllink {

// %windir%, %SystemRoot% and %ProgramFiles% (any case) replaced by the standard machine's
// values; unknown or unterminated references stay as written.
std::u16string ExpandEnvironment(std::u16string_view text);

struct ResolvedTarget {
  // Absolute Windows path ("C:\Windows\explorer.exe"), or empty when the text names nothing we
  // can place (an unknown bare name, a relative path).
  std::u16string path;
  // The text as given when it held variables that expanded, for the environment block.
  std::u16string unexpanded;
  bool isDirectory = false;
};

// Expands variables and resolves a bare program name as the standard machine's search path
// would (C:\Windows\System32, then C:\Windows), from a fixed table of their programs.
ResolvedTarget ResolveTarget(std::u16string_view target);

// "X:\..." with a drive letter.
bool IsAbsoluteDrivePath(std::u16string_view path);

}  // namespace layer::shelllink
