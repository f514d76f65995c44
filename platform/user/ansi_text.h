// Window text crosses the Qt boundary here: code page 932 bytes on the program's side,
// QString on Qt's.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace layer::user {

// Bytes that are not code page 932 become the default character, as MultiByteToWideChar makes them.
QString FromAnsi(std::string_view bytes);
// Characters that code page 932 cannot represent become '?', as WideCharToMultiByte makes them.
std::string ToAnsi(const QString& text);

// How many of the first `limit` bytes of `text` can be copied without splitting a double-byte
// character.
size_t AnsiPrefixLength(std::string_view text, size_t limit);

}  // namespace layer::user
