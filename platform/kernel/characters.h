// One character at a time in code page 932, UTF-8 and UTF-16: the pieces that
// MultiByteToWideChar, WideCharToMultiByte and layer::cp932 are made of. Internal to the kernel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace layer::chars {

// A decoded character: how many input units it took and its code point, or kInvalid.
constexpr char32_t kInvalid = 0xFFFFFFFF;
struct Decoded {
  std::size_t units;
  char32_t codePoint;
};

// Code page 932 (glibc's "CP932", Microsoft's table). A lead byte followed by a byte that cannot
// be a second byte (or by nothing) is one invalid byte; a lead and a second byte whose pair has
// no character are one invalid character of two bytes; 0x80, 0xA0 and 0xFD-0xFF are invalid.
bool IsCp932LeadByte(unsigned char byte);
Decoded DecodeCp932(const unsigned char* text, std::size_t bytes);

// The bytes (1 or 2) of a code point in code page 932, appended to out; false when code page 932
// has no such character. With bestFit, glibc's one-way mappings are taken too (U+00A5 YEN SIGN
// -> 0x5C, U+203E -> 0x7E, U+301C WAVE DASH -> 0x81 0x60, U+2016, U+2212, U+00A2, U+00A3, U+00AC,
// U+2014 ...), as Windows' best fit does; without it only characters that come back unchanged.
bool EncodeCp932(char32_t codePoint, bool bestFit, std::string& out);

// UTF-8 as Unicode defines it: an ill-formed sequence is invalid for its maximal subpart
// (so each one becomes one U+FFFD when substituted); surrogates and overlong forms are invalid.
Decoded DecodeUtf8(const unsigned char* text, std::size_t bytes);
void EncodeUtf8(char32_t codePoint, std::string& out);

// UTF-16: a surrogate pair is one code point; an unpaired surrogate is invalid (one unit).
Decoded DecodeUtf16(const char16_t* text, std::size_t units);
void EncodeUtf16(char32_t codePoint, std::u16string& out);

}  // namespace layer::chars
