#include "shelllink/bytes.h"

namespace layer::shelllink {

bool AnsiZAt(const uint8_t* data, std::size_t size, std::size_t offset, std::string* text) {
  if (offset > size) return false;
  for (std::size_t i = offset; i < size; ++i) {
    if (data[i] == 0) {
      text->assign(reinterpret_cast<const char*>(data + offset), i - offset);
      return true;
    }
  }
  return false;
}

bool Utf16ZAt(const uint8_t* data, std::size_t size, std::size_t offset, std::u16string* text) {
  if (offset > size) return false;
  text->clear();
  for (std::size_t i = offset; i + 1 < size; i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) return true;
    text->push_back(unit);
  }
  return false;
}

}  // namespace layer::shelllink
