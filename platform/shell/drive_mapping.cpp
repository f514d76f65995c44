// Drive Z: is the Linux root, as under Wine.
//
// Choices:
// - Windows' file functions take '/' as well as '\' for a separator; so does ToPosix.
// - A run of separators is one separator ("Z:\\home\\\u" -> "/home/u"), as Windows' file system
//   reads it. A trailing separator stays ("Z:\tmp\" -> "/tmp/", "/tmp/" -> "Z:\tmp\"): both
//   systems read it as "this must be a directory".
// - "." and ".." are passed through unchanged; the file system resolves them.
// - ToWindows refuses (nullopt) a path that Windows could not name: a component holding a
//   backslash (it would read as a separator) or one of the characters Windows forbids in names
//   (< > : " | ? * and the control characters 0x01-0x1F). A zero byte is refused both ways.
#include "drive_mapping.h"

namespace layer::drive {
namespace {

bool IsWindowsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsForbiddenInWindowsName(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || c == '\\' || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' ||
         c == '?' || c == '*';
}

}  // namespace

std::optional<std::string> ToPosix(std::string_view windowsPath) {
  if (windowsPath.size() < 2 || (windowsPath[0] != 'Z' && windowsPath[0] != 'z') ||
      windowsPath[1] != ':') {
    return std::nullopt;
  }
  std::string_view rest = windowsPath.substr(2);
  if (!rest.empty() && !IsWindowsSeparator(rest[0])) return std::nullopt;  // "Z:name" is relative
  std::string posix = "/";
  bool afterSeparator = true;
  for (char c : rest) {
    if (c == '\0') return std::nullopt;
    if (IsWindowsSeparator(c)) {
      if (!afterSeparator) posix.push_back('/');
      afterSeparator = true;
    } else {
      posix.push_back(c);
      afterSeparator = false;
    }
  }
  return posix;
}

std::optional<std::string> ToWindows(std::string_view posixPath) {
  if (posixPath.empty() || posixPath[0] != '/') return std::nullopt;
  std::string windows = "Z:\\";
  bool afterSeparator = true;
  for (char c : posixPath.substr(1)) {
    if (c == '/') {
      if (!afterSeparator) windows.push_back('\\');
      afterSeparator = true;
    } else {
      if (IsForbiddenInWindowsName(c)) return std::nullopt;
      windows.push_back(c);
      afterSeparator = false;
    }
  }
  return windows;
}

}  // namespace layer::drive
