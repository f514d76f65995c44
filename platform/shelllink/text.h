// Text conversions at the object's edges: ANSI (code page 932) in and out, UTF-8 for the file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace layer::shelllink {

// Strict UTF-16 to UTF-8; nullopt on an unpaired surrogate.
std::optional<std::string> Utf16ToUtf8(std::u16string_view text);
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

struct AnsiText {
  std::string bytes;
  bool exact = true;  // false when some character became '?'
};
// Code page 932 form of text; characters the code page lacks become '?', as Windows'
// default character does.
AnsiText ToAnsi(std::u16string_view text);

// Copies text into a caller's ANSI buffer of size bytes, cut at a character boundary and
// always terminated.
void CopyToAnsiBuffer(std::u16string_view text, char* buffer, int size);

bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b);

}  // namespace layer::shelllink
