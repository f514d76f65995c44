// Conversions between code page 932 (the process's ANSI code page), UTF-8 and UTF-16 for the
// layer's own use at its boundaries (file system, Qt). Program code uses MultiByteToWideChar.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace layer::cp932 {

// Nullopt when the bytes are not valid code page 932 text.
std::optional<std::string> ToUtf8(std::string_view cp932);
// Nullopt when the text holds a character that code page 932 cannot represent.
std::optional<std::string> FromUtf8(std::string_view utf8);

std::optional<std::u16string> ToUtf16(std::string_view cp932);
std::optional<std::string> FromUtf16(std::u16string_view utf16);

}  // namespace layer::cp932
