// The Linux file system seen as drive Z:, as under Wine: Z:\ is /.
// Both directions work on UTF-8 text; convert code page 932 paths to UTF-8 first, so that a
// 0x5C second byte of a double-byte character is never taken for a separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace layer::drive {

// "Z:\home\u" -> "/home/u", "z:" and "Z:\" -> "/". Nullopt for any other drive, a UNC path,
// a path without a drive, or a drive-relative "Z:name". '/' is a separator too; a run of
// separators is one; a trailing one stays ("Z:\tmp\" -> "/tmp/").
std::optional<std::string> ToPosix(std::string_view windowsPath);

// "/home/u" -> "Z:\home\u", "/" -> "Z:\", "/home/u/" -> "Z:\home\u\" (runs of '/' are one).
// Nullopt for a relative path, or one that Windows cannot name: a backslash, a control character
// or one of < > : " | ? * in a component.
std::optional<std::string> ToWindows(std::string_view posixPath);

}  // namespace layer::drive
