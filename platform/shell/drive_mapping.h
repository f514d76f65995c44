// The Linux file system seen as drive Z:, as under Wine: Z:\ is /.
// Both directions work on UTF-8 text; convert code page 932 paths to UTF-8 first, so that a
// 0x5C second byte of a double-byte character is never taken for a separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace layer::drive {

// "Z:\home\u" -> "/home/u", "z:" and "Z:\" -> "/". Nullopt for any other drive, a UNC path,
// or a path without a drive.
std::optional<std::string> ToPosix(std::string_view windowsPath);

// "/home/u" -> "Z:\home\u", "/" -> "Z:\". Nullopt for a relative path.
std::optional<std::string> ToWindows(std::string_view posixPath);

}  // namespace layer::drive
