// Conversions between code page 932 (the process's ANSI code page), UTF-8 and UTF-16 for the
// layer's own use at its boundaries (file system, Qt). Program code uses MultiByteToWideChar.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// All four are strict: nullopt on anything that does not convert exactly. Embedded zero bytes
// are characters like any other.
namespace layer::cp932 {

// Nullopt when the bytes are not valid code page 932 text.
std::optional<std::string> ToUtf8(std::string_view cp932);
// Nullopt when the text is not valid UTF-8 or holds a character that code page 932 cannot
// represent exactly. Characters that code page 932 only approximates (U+00A5 YEN SIGN -> 0x5C,
// U+301C WAVE DASH -> 0x81 0x60, ...) count as not representable: they would not come back,
// and a yen sign would turn into a path separator.
std::optional<std::string> FromUtf8(std::string_view utf8);

std::optional<std::u16string> ToUtf16(std::string_view cp932);
// As FromUtf8; an unpaired surrogate is not representable.
std::optional<std::string> FromUtf16(std::u16string_view utf16);

}  // namespace layer::cp932
