// A bounds-checked little-endian reader over a block of resource data. Reading past the end
// yields zeros and marks the reader failed, so a parser checks ok() once at the end of a step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace layer::user {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool ok() const { return ok_; }
  size_t position() const { return position_; }
  size_t remaining() const { return ok_ ? size_ - position_ : 0; }
  const uint8_t* here() const { return data_ + position_; }

  uint8_t Byte() { return static_cast<uint8_t>(Take(1)); }
  uint16_t Word() { return static_cast<uint16_t>(Take(2)); }
  uint32_t Dword() { return static_cast<uint32_t>(Take(4)); }
  int16_t Short() { return static_cast<int16_t>(Word()); }

  bool Skip(size_t bytes) {
    if (!ok_ || bytes > size_ - position_) return Fail();
    position_ += bytes;
    return true;
  }

  // Aligns to a multiple of `alignment` from the start of the block.
  bool Align(size_t alignment) {
    size_t pad = (alignment - position_ % alignment) % alignment;
    if (pad > size_ - position_) {
      position_ = size_;  // padding at the very end may be missing
      return ok_;
    }
    position_ += pad;
    return ok_;
  }

  // A zero-terminated UTF-16 string; fails when the terminator is missing.
  std::u16string String() {
    std::u16string text;
    for (;;) {
      uint16_t unit = Word();
      if (!ok_ || unit == 0) break;
      text.push_back(static_cast<char16_t>(unit));
    }
    return text;
  }

 private:
  bool Fail() {
    ok_ = false;
    return false;
  }

  uint64_t Take(size_t bytes) {
    if (!ok_ || bytes > size_ - position_) {
      Fail();
      return 0;
    }
    uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i) value |= uint64_t{data_[position_ + i]} << (8 * i);
    position_ += bytes;
    return value;
  }

  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace layer::user
