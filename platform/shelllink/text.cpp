#include "shelllink/text.h"

#include <algorithm>
#include <cstring>

#include "kernel/codepage.h"

namespace layer::shelllink {
namespace {

bool IsHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Length of the UTF-16 character starting at i (1 or 2 units).
std::size_t CharUnits(std::u16string_view text, std::size_t i) {
  return IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]) ? 2 : 1;
}

}  // namespace

std::optional<std::string> Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHigh(text[i])) {
      if (i + 1 >= text.size() || !IsLow(text[i + 1])) return std::nullopt;
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsLow(text[i])) {
      return std::nullopt;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t extra;
    char32_t c;
    if (b < 0x80) {
      extra = 0;
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1;
      c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2;
      c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3;
      c = b & 0x07;
    } else {
      return std::nullopt;
    }
    if (text.size() - i <= extra) return std::nullopt;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto t = static_cast<unsigned char>(text[i + k]);
      if ((t & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (t & 0x3F);
    }
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i += extra + 1;
  }
  return out;
}

AnsiText ToAnsi(std::u16string_view text) {
  AnsiText result;
  if (auto whole = layer::cp932::FromUtf16(text)) {
    result.bytes = std::move(*whole);
    return result;
  }
  // Character by character, so that only the missing ones are replaced.
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharUnits(text, i);
    if (auto part = layer::cp932::FromUtf16(text.substr(i, n))) {
      result.bytes += *part;
    } else {
      result.bytes += '?';
      result.exact = false;
    }
    i += n;
  }
  return result;
}

void CopyToAnsiBuffer(std::u16string_view text, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  const std::size_t room = static_cast<std::size_t>(size) - 1;
  std::size_t used = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharUnits(text, i);
    const std::string part = ToAnsi(text.substr(i, n)).bytes;
    if (used + part.size() > room) break;
    std::memcpy(buffer + used, part.data(), part.size());
    used += part.size();
    i += n;
  }
  buffer[used] = '\0';
}

bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace layer::shelllink
