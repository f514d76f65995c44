// An iconv conversion descriptor owned by one object (invalid value: (iconv_t)-1).
#pragma once

#include <iconv.h>

#include <cstddef>

namespace layer {

class UniqueIconv {
 public:
  UniqueIconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~UniqueIconv() {
    if (Valid()) iconv_close(cd_);
  }
  UniqueIconv(const UniqueIconv&) = delete;
  UniqueIconv& operator=(const UniqueIconv&) = delete;

  bool Valid() const { return cd_ != Invalid(); }

  // Converts the whole input. Returns the number of bytes written, or -1 when the input is not
  // converted whole (an invalid or incomplete sequence, or too little room). The shift state is
  // reset before and after, so each call stands alone.
  std::ptrdiff_t Convert(const void* in, std::size_t inBytes, void* out, std::size_t outBytes) {
    if (!Valid()) return -1;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = static_cast<char*>(const_cast<void*>(in));
    char* outPtr = static_cast<char*>(out);
    std::size_t outLeft = outBytes;
    const std::size_t result = iconv(cd_, &inPtr, &inBytes, &outPtr, &outLeft);
    const std::size_t failed = static_cast<std::size_t>(-1);
    const bool whole = result != failed && inBytes == 0 &&
                       iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) != failed;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return whole ? static_cast<std::ptrdiff_t>(outBytes - outLeft) : -1;
  }

 private:
  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

}  // namespace layer
