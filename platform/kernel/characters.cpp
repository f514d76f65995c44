// Per-character conversions. Code page 932 goes through glibc's iconv "CP932", one character per
// call, with one pair of descriptors per thread (a descriptor is not safe to share).
#include "characters.h"

#include "unique_iconv.h"

namespace layer::chars {
namespace {

struct Cp932Iconv {
  UniqueIconv toUnicode{"UTF-32LE", "CP932"};
  UniqueIconv fromUnicode{"CP932", "UTF-32LE"};
};

Cp932Iconv& Iconv() {
  thread_local Cp932Iconv iconv;
  return iconv;
}

bool IsCp932TrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

char32_t LittleEndian32(const unsigned char* b) {
  return static_cast<char32_t>(b[0]) | static_cast<char32_t>(b[1]) << 8 |
         static_cast<char32_t>(b[2]) << 16 | static_cast<char32_t>(b[3]) << 24;
}

}  // namespace

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

Decoded DecodeCp932(const unsigned char* text, std::size_t bytes) {
  if (bytes == 0) return {0, kInvalid};
  const unsigned char first = text[0];
  if (first < 0x80) return {1, first};  // ASCII, 0x5C and 0x7E included, is itself in CP932
  std::size_t length = 1;
  if (IsCp932LeadByte(first)) {
    if (bytes < 2 || !IsCp932TrailByte(text[1])) return {1, kInvalid};
    length = 2;
  }
  unsigned char out[8];
  if (Iconv().toUnicode.Convert(text, length, out, sizeof out) != 4) return {length, kInvalid};
  return {length, LittleEndian32(out)};
}

bool EncodeCp932(char32_t codePoint, bool bestFit, std::string& out) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
    return true;
  }
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return false;
  const unsigned char in[4] = {static_cast<unsigned char>(codePoint),
                               static_cast<unsigned char>(codePoint >> 8),
                               static_cast<unsigned char>(codePoint >> 16), 0};
  unsigned char bytes[4];
  const std::ptrdiff_t length = Iconv().fromUnicode.Convert(in, sizeof in, bytes, sizeof bytes);
  if (length != 1 && length != 2) return false;
  if (!bestFit) {
    const Decoded back = DecodeCp932(bytes, static_cast<std::size_t>(length));
    if (back.codePoint != codePoint || back.units != static_cast<std::size_t>(length)) return false;
  }
  out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
  return true;
}

Decoded DecodeUtf8(const unsigned char* text, std::size_t bytes) {
  if (bytes == 0) return {0, kInvalid};
  const unsigned char first = text[0];
  if (first < 0x80) return {1, first};
  std::size_t more;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  char32_t codePoint;
  if (first >= 0xC2 && first <= 0xDF) {
    more = 1, codePoint = first & 0x1F;
  } else if (first >= 0xE0 && first <= 0xEF) {
    more = 2, codePoint = first & 0x0F;
    if (first == 0xE0) low = 0xA0;   // no overlong forms
    if (first == 0xED) high = 0x9F;  // no surrogates
  } else if (first >= 0xF0 && first <= 0xF4) {
    more = 3, codePoint = first & 0x07;
    if (first == 0xF0) low = 0x90;   // no overlong forms
    if (first == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return {1, kInvalid};
  }
  for (std::size_t i = 1; i <= more; ++i) {
    if (i >= bytes) return {i, kInvalid};
    const unsigned char byte = text[i];
    if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF)) return {i, kInvalid};
    codePoint = codePoint << 6 | (byte & 0x3F);
  }
  return {more + 1, codePoint};
}

void EncodeUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | c >> 6));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | c >> 12));
    out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | c >> 18));
    out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

Decoded DecodeUtf16(const char16_t* text, std::size_t units) {
  if (units == 0) return {0, kInvalid};
  const char16_t first = text[0];
  if (first < 0xD800 || first > 0xDFFF) return {1, first};
  if (first >= 0xDC00 || units < 2 || text[1] < 0xDC00 || text[1] > 0xDFFF) return {1, kInvalid};
  return {2, 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) + (text[1] - 0xDC00)};
}

void EncodeUtf16(char32_t c, std::u16string& out) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

}  // namespace layer::chars
