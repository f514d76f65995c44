// wvsprintfA and wsprintfA: the printf conversions without floating point, as USER32 has them.
//   %[-][#][0][width][.precision][h|l|ll|I64]type, type one of c C d i u x X s S p and %.
// "l" is 32 bits, as Windows' long; "ll" and "I64" are 64. %S, %ls, %C and %lc take UTF-16 and
// write code page 932. '#' prefixes 0x/0X to hexadecimal numbers, zero included. A null string
// prints "(null)", %p 16 upper-case hex digits. An unknown type prints itself (so "%%" is "%").
// At most 1024 bytes are written, terminator included; the result counts the bytes before it.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "kernel/kernel.h"
#include "user/user.h"

namespace {

constexpr size_t kLimit = 1024;

enum class Size { Default, Short, Long, LongLong };

struct Spec {
  bool left = false;
  bool prefix = false;
  bool zero = false;
  int width = 0;
  int precision = -1;
  Size size = Size::Default;
};

std::string FromWide(const WCHAR* text, int units) {
  if (units == 0) return {};
  int bytes = WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, units, result.data(), bytes, nullptr, nullptr);
  return result;
}

int WideLength(const WCHAR* text, int limit) {
  int length = 0;
  while ((limit < 0 || length < limit) && text[length]) ++length;
  return length;
}

std::string Digits(uint64_t value, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string text;
  do {
    text.insert(text.begin(), digits[value % base]);
    value /= base;
  } while (value);
  return text;
}

// Sign or prefix, zeros to the precision, then padding to the width.
std::string Number(const Spec& spec, const std::string& sign, std::string digits) {
  if (spec.precision > 0 && static_cast<int>(digits.size()) < spec.precision) {
    digits.insert(0, static_cast<size_t>(spec.precision) - digits.size(), '0');
  }
  int length = static_cast<int>(sign.size() + digits.size());
  if (length >= spec.width) return sign + digits;
  size_t pad = static_cast<size_t>(spec.width - length);
  if (spec.left) return sign + digits + std::string(pad, ' ');
  if (spec.zero) return sign + std::string(pad, '0') + digits;
  return std::string(pad, ' ') + sign + digits;
}

std::string Padded(const Spec& spec, std::string text) {
  if (static_cast<int>(text.size()) >= spec.width) return text;
  std::string pad(static_cast<size_t>(spec.width) - text.size(), spec.zero && !spec.left ? '0' : ' ');
  return spec.left ? text + pad : pad + text;
}

}  // namespace

int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list arguments) {
  if (!buffer) return 0;
  std::string out;
  const char* p = format ? format : "";
  while (*p && out.size() < kLimit - 1) {
    if (*p != '%') {
      out.push_back(*p++);
      continue;
    }
    ++p;
    Spec spec;
    for (;; ++p) {
      if (*p == '-') spec.left = true;
      else if (*p == '#') spec.prefix = true;
      else if (*p == '0') spec.zero = true;
      else break;
    }
    // Nothing wider than the limit can show: counting stops there, before an int overflows.
    auto count = [&p](int& value) {
      while (*p >= '0' && *p <= '9') value = std::min(value * 10 + (*p++ - '0'), static_cast<int>(kLimit));
    };
    count(spec.width);
    if (*p == '.') {
      ++p;
      spec.precision = 0;
      count(spec.precision);
    }
    if (*p == 'h') {
      spec.size = Size::Short;
      ++p;
    } else if (p[0] == 'l' && p[1] == 'l') {
      spec.size = Size::LongLong;
      p += 2;
    } else if (*p == 'l') {
      spec.size = Size::Long;
      ++p;
    } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
      spec.size = Size::LongLong;
      p += 3;
    }
    char type = *p;
    if (!type) break;
    ++p;
    switch (type) {
      case 'd':
      case 'i': {
        int64_t value = spec.size == Size::LongLong ? va_arg(arguments, long long) : va_arg(arguments, int);
        if (spec.size == Size::Short) value = static_cast<short>(value);
        uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        out += Number(spec, value < 0 ? "-" : "", Digits(magnitude, 10, false));
        break;
      }
      case 'u':
      case 'x':
      case 'X': {
        uint64_t value = spec.size == Size::LongLong ? va_arg(arguments, unsigned long long)
                                                      : va_arg(arguments, unsigned int);
        if (spec.size == Size::Short) value = static_cast<unsigned short>(value);
        if (type == 'u') {
          out += Number(spec, "", Digits(value, 10, false));
        } else {
          std::string prefix = spec.prefix ? (type == 'X' ? "0X" : "0x") : "";
          out += Number(spec, prefix, Digits(value, 16, type == 'X'));
        }
        break;
      }
      case 'p': {
        Spec pointer = spec;
        pointer.zero = true;
        pointer.precision = 2 * sizeof(void*);
        out += Number(pointer, "", Digits(reinterpret_cast<uintptr_t>(va_arg(arguments, void*)), 16, true));
        break;
      }
      case 'c':
      case 'C': {
        int value = va_arg(arguments, int);
        bool wide = (type == 'C' && spec.size != Size::Short) || (type == 'c' && spec.size == Size::Long);
        std::string text;
        if (wide) {
          WCHAR unit = static_cast<WCHAR>(value);
          text = FromWide(&unit, 1);
        } else {
          text.assign(1, static_cast<char>(value));
        }
        out += Padded(spec, text);
        break;
      }
      case 's':
      case 'S': {
        bool wide = (type == 'S' && spec.size != Size::Short) || (type == 's' && spec.size == Size::Long);
        std::string text;
        if (wide) {
          const WCHAR* value = va_arg(arguments, const WCHAR*);
          if (!value) {
            text = "(null)";
          } else {
            text = FromWide(value, WideLength(value, spec.precision));  // precision counts characters
          }
        } else {
          const char* value = va_arg(arguments, const char*);
          if (!value) {
            text = "(null)";
          } else if (spec.precision >= 0) {
            // The precision bounds the read too: the string need not be terminated within it.
            text.assign(value, strnlen(value, static_cast<size_t>(spec.precision)));
          } else {
            text = value;
          }
        }
        if (!wide && spec.precision >= 0 && static_cast<size_t>(spec.precision) < text.size()) {
          text.resize(static_cast<size_t>(spec.precision));
        }
        out += Padded(spec, text);
        break;
      }
      default:
        out.push_back(type);
        break;
    }
  }
  size_t length = std::min(out.size(), kLimit - 1);
  std::memcpy(buffer, out.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int result = wvsprintfA(buffer, format, arguments);
  va_end(arguments);
  return result;
}
