#include "user/ansi_text.h"

#include <vector>

#include "kernel/kernel.h"

namespace layer::user {

QString FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (units <= 0) return {};
  std::u16string wide(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), units);
  return QString::fromUtf16(wide.data(), units);
}

std::string ToAnsi(const QString& text) {
  if (text.isEmpty()) return {};
  const auto* wide = reinterpret_cast<const WCHAR*>(text.utf16());
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), result.data(), bytes, nullptr, nullptr);
  return result;
}

size_t AnsiPrefixLength(std::string_view text, size_t limit) {
  if (text.size() <= limit) return text.size();
  size_t length = 0;
  while (length < limit) {
    size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[length])) ? 2 : 1;
    if (length + step > limit) break;
    length += step;
  }
  return length;
}

}  // namespace layer::user
