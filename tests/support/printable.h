// Test names and messages that show code page 932 bytes as escapes ("\x95\x5C"), since they
// are not text the terminal can show.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace testing_text {

inline std::string Escaped(std::optional<std::string_view> text) {
  if (!text) return "(null)";
  std::string out = "\"";
  for (char c : *text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"') {
      out.push_back(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      out += escape;
    }
  }
  return out + "\"";
}

inline std::string Escaped(const char* text) {
  return text ? Escaped(std::string_view(text)) : "(null)";
}

}  // namespace testing_text
