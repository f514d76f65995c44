// Code page 932 as the process's ANSI code page: GetACP, IsDBCSLeadByte, MultiByteToWideChar,
// WideCharToMultiByte, and the strict layer::cp932 helpers.
//
// Windows conventions kept here:
// - Code pages: CP_ACP, CP_OEMCP, CP_THREAD_ACP and 932 are code page 932; CP_UTF8 is UTF-8;
//   any other is ERROR_INVALID_PARAMETER.
// - A length of -1 means "up to and including the terminator", which is converted and counted.
// - An output size of 0 asks for the size needed; a buffer too small gets the whole characters
//   that fit (never a lone lead byte, a cut UTF-8 sequence or half a surrogate pair) and the
//   call returns 0 with ERROR_INSUFFICIENT_BUFFER.
// - Argument checks come first (ERROR_INVALID_PARAMETER: null input, length 0, null output with
//   a size, negative size, output at the input's address), then the code page, then the flags
//   (ERROR_INVALID_FLAGS).
// - MultiByteToWideChar: an invalid sequence with MB_ERR_INVALID_CHARS fails with
//   ERROR_NO_UNICODE_TRANSLATION; without it, it becomes U+30FB (KATAKANA MIDDLE DOT, the
//   Unicode default character of code page 932) in code page 932, and U+FFFD in UTF-8.
//   MB_COMPOSITE is not implemented here and is refused as an invalid flag.
// - WideCharToMultiByte: a character code page 932 cannot hold becomes the default character,
//   '?' or *defaultChar, and sets *usedDefaultChar. Without WC_NO_BEST_FIT_CHARS glibc's one-way
//   mappings stand in for Windows' best fit (U+00A5 -> 0x5C, ...); Windows' best-fit table is
//   larger (it also maps some accented Latin letters to ASCII), here those take the default
//   character; a character beyond U+FFFF takes two default characters, one per UTF-16 unit.
//   WC_COMPOSITECHECK, WC_DISCARDNS, WC_SEPCHARS and WC_DEFAULTCHAR are accepted and
//   have no effect (the text is taken as precomposed). For CP_UTF8 only WC_ERR_INVALID_CHARS is
//   a valid flag and defaultChar/usedDefaultChar must be null; an unpaired surrogate becomes
//   U+FFFD, or fails with ERROR_NO_UNICODE_TRANSLATION under WC_ERR_INVALID_CHARS.
#include <algorithm>
#include <cstring>
#include <string>

#include "characters.h"
#include "codepage.h"
#include "kernel.h"

namespace {

using layer::chars::Decoded;
using layer::chars::kInvalid;

constexpr char16_t kCp932UnicodeDefault = 0x30FB;
constexpr char32_t kReplacementCharacter = 0xFFFD;

enum class Charset { Cp932, Utf8, Unknown };

Charset CharsetOf(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case 932:
      return Charset::Cp932;
    case CP_UTF8:
      return Charset::Utf8;
    default:
      return Charset::Unknown;
  }
}

// The argument checks both conversion directions share. Unknown, with the last error set,
// when the call is refused.
Charset CheckedCharset(UINT codePage, const void* input, int inputLength, const void* output,
                       int outputSize) {
  if (!input || inputLength == 0 || (!output && outputSize != 0) || outputSize < 0 || input == output) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return Charset::Unknown;
  }
  const Charset charset = CharsetOf(codePage);
  if (charset == Charset::Unknown) SetLastError(ERROR_INVALID_PARAMETER);
  return charset;
}

// Decodes the whole text; false at the first invalid sequence when strict.
bool DecodeMultiByte(Charset charset, const unsigned char* text, std::size_t bytes, bool strict,
                     std::u16string& out) {
  while (bytes > 0) {
    const Decoded d = charset == Charset::Cp932 ? layer::chars::DecodeCp932(text, bytes)
                                                : layer::chars::DecodeUtf8(text, bytes);
    if (d.codePoint == kInvalid) {
      if (strict) return false;
      layer::chars::EncodeUtf16(charset == Charset::Cp932 ? kCp932UnicodeDefault
                                                          : kReplacementCharacter,
                                out);
    } else {
      layer::chars::EncodeUtf16(d.codePoint, out);
    }
    text += d.units;
    bytes -= d.units;
  }
  return true;
}

// Copies a converted result out by the Windows rules; returns the API's result. A buffer too
// small gets the first `fitting` units: the whole characters that fit, never half of one.
template <typename Char>
int Deliver(const std::basic_string<Char>& result, Char* out, int outSize, std::size_t fitting) {
  const int needed = static_cast<int>(result.size());
  if (outSize == 0) return needed;
  if (needed > outSize) {
    std::copy_n(result.begin(), fitting, out);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(result.begin(), result.end(), out);
  return needed;
}

}  // namespace

UINT WINAPI GetACP(void) { return 932; }

BOOL WINAPI IsDBCSLeadByte(BYTE byte) { return layer::chars::IsCp932LeadByte(byte) ? TRUE : FALSE; }

int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCCH text, int bytes, LPWSTR wide,
                               int wideUnits) {
  const Charset charset = CheckedCharset(codePage, text, bytes, wide, wideUnits);
  if (charset == Charset::Unknown) return 0;
  const DWORD valid = charset == Charset::Utf8
                          ? MB_ERR_INVALID_CHARS
                          : (MB_PRECOMPOSED | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS);
  if (flags & ~valid) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  const std::size_t length = bytes < 0 ? std::strlen(text) + 1 : static_cast<std::size_t>(bytes);
  std::u16string result;
  if (!DecodeMultiByte(charset, reinterpret_cast<const unsigned char*>(text), length,
                       (flags & MB_ERR_INVALID_CHARS) != 0, result)) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  // The output is well-formed UTF-16: a high surrogate at the cut has its pair beyond it.
  std::size_t fitting = std::min(result.size(), static_cast<std::size_t>(wideUnits));
  if (fitting > 0 && fitting < result.size() && result[fitting - 1] >= 0xD800 &&
      result[fitting - 1] <= 0xDBFF) {
    --fitting;
  }
  return Deliver(result, wide, wideUnits, fitting);
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWCH wide, int wideUnits, LPSTR text,
                               int bytes, LPCCH defaultChar, LPBOOL usedDefaultChar) {
  const Charset charset = CheckedCharset(codePage, wide, wideUnits, text, bytes);
  if (charset == Charset::Unknown) return 0;
  if (charset == Charset::Utf8) {
    if (flags & ~static_cast<DWORD>(WC_ERR_INVALID_CHARS)) {
      SetLastError(ERROR_INVALID_FLAGS);
      return 0;
    }
    if (defaultChar || usedDefaultChar) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
  } else if (flags & ~static_cast<DWORD>(WC_COMPOSITECHECK | WC_DISCARDNS | WC_SEPCHARS |
                                         WC_DEFAULTCHAR | WC_NO_BEST_FIT_CHARS)) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  std::size_t length = static_cast<std::size_t>(wideUnits);
  if (wideUnits < 0) {
    length = 0;
    while (wide[length] != 0) ++length;
    ++length;
  }

  std::string fallback = "?";
  if (defaultChar && defaultChar[0] != 0) {
    const bool twoBytes = IsDBCSLeadByte(static_cast<BYTE>(defaultChar[0])) && defaultChar[1] != 0;
    fallback.assign(defaultChar, twoBytes ? 2 : 1);
  }
  const bool bestFit = (flags & WC_NO_BEST_FIT_CHARS) == 0;
  bool usedDefault = false;
  std::string result;
  std::size_t fitting = 0;  // bytes of the whole characters that fit the caller's buffer
  while (length > 0) {
    if (charset == Charset::Utf8) {
      const Decoded d = layer::chars::DecodeUtf16(wide, length);
      wide += d.units;
      length -= d.units;
      if (d.codePoint == kInvalid && (flags & WC_ERR_INVALID_CHARS)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      layer::chars::EncodeUtf8(d.codePoint == kInvalid ? kReplacementCharacter : d.codePoint,
                               result);
    } else {
      // Windows converts to a code page one UTF-16 unit at a time: each half of a surrogate
      // pair (a character beyond U+FFFF, which code page 932 never has) takes a default char.
      const char16_t unit = *wide++;
      --length;
      if (!layer::chars::EncodeCp932(unit, bestFit, result)) {
        result += fallback;
        usedDefault = true;
      }
    }
    if (result.size() <= static_cast<std::size_t>(bytes)) fitting = result.size();
  }
  if (usedDefaultChar) *usedDefaultChar = usedDefault ? TRUE : FALSE;
  return Deliver(result, text, bytes, fitting);
}

namespace layer::cp932 {

std::optional<std::u16string> ToUtf16(std::string_view cp932) {
  std::u16string out;
  if (!DecodeMultiByte(Charset::Cp932, reinterpret_cast<const unsigned char*>(cp932.data()),
                       cp932.size(), true, out)) {
    return std::nullopt;
  }
  return out;
}

namespace {

// Converts character by character; nullopt at the first one that does not convert exactly.
template <typename Unit, typename Decode, typename Encode>
std::optional<std::string> Transcode(const Unit* text, std::size_t units, Decode decode, Encode encode) {
  std::string out;
  while (units > 0) {
    const Decoded d = decode(text, units);
    if (d.codePoint == kInvalid || !encode(d.codePoint, out)) return std::nullopt;
    text += d.units;
    units -= d.units;
  }
  return out;
}

bool EncodeUtf8(char32_t codePoint, std::string& out) {
  chars::EncodeUtf8(codePoint, out);
  return true;
}

bool EncodeCp932Exactly(char32_t codePoint, std::string& out) { return chars::EncodeCp932(codePoint, false, out); }

}  // namespace

std::optional<std::string> ToUtf8(std::string_view cp932) {
  return Transcode(reinterpret_cast<const unsigned char*>(cp932.data()), cp932.size(), chars::DecodeCp932,
                   EncodeUtf8);
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
  return Transcode(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size(), chars::DecodeUtf8,
                   EncodeCp932Exactly);
}

std::optional<std::string> FromUtf16(std::u16string_view utf16) {
  return Transcode(utf16.data(), utf16.size(), chars::DecodeUtf16, EncodeCp932Exactly);
}

}  // namespace layer::cp932
