// Little-endian byte building and bounds-checked reading for the Shell Link format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace layer::shelllink {

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }
  void Bytes(const void* data, std::size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + n);
  }
  void Bytes(const std::vector<uint8_t>& data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  // Ansi text with its terminator.
  void AnsiZ(std::string_view text) {
    Bytes(text.data(), text.size());
    U8(0);
  }
  // UTF-16LE units, without a terminator.
  void Utf16(std::u16string_view text) {
    for (char16_t unit : text) U16(unit);
  }
  void Utf16Z(std::u16string_view text) {
    Utf16(text);
    U16(0);
  }
  void PatchU16(std::size_t at, uint16_t v) {
    bytes_[at] = static_cast<uint8_t>(v);
    bytes_[at + 1] = static_cast<uint8_t>(v >> 8);
  }
  void PatchU32(std::size_t at, uint32_t v) {
    PatchU16(at, static_cast<uint16_t>(v));
    PatchU16(at + 2, static_cast<uint16_t>(v >> 16));
  }
  std::size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Data() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

// Every read checks the bounds first; a failed read moves nothing.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return size_ - pos_; }
  const uint8_t* Here() const { return data_ + pos_; }

  bool U8(uint8_t* v) {
    if (Remaining() < 1) return false;
    *v = data_[pos_++];
    return true;
  }
  bool U16(uint16_t* v) {
    if (Remaining() < 2) return false;
    *v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool U32(uint32_t* v) {
    if (Remaining() < 4) return false;
    *v = static_cast<uint32_t>(data_[pos_]) | (static_cast<uint32_t>(data_[pos_ + 1]) << 8) |
         (static_cast<uint32_t>(data_[pos_ + 2]) << 16) |
         (static_cast<uint32_t>(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return true;
  }
  bool Skip(std::size_t n) {
    if (Remaining() < n) return false;
    pos_ += n;
    return true;
  }
  // The next n bytes as a reader of their own.
  bool Take(std::size_t n, ByteReader* part) {
    if (Remaining() < n) return false;
    *part = ByteReader(data_ + pos_, n);
    pos_ += n;
    return true;
  }
  bool Utf16(std::size_t units, std::u16string* text) {
    if (units > Remaining() / 2) return false;
    text->clear();
    for (std::size_t i = 0; i < units; ++i) {
      text->push_back(static_cast<char16_t>(data_[pos_] | (data_[pos_ + 1] << 8)));
      pos_ += 2;
    }
    return true;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A NUL-terminated ANSI string at offset inside [data, data + size); false if it runs off the end.
bool AnsiZAt(const uint8_t* data, std::size_t size, std::size_t offset, std::string* text);
// The same for UTF-16LE; the offset needs no alignment.
bool Utf16ZAt(const uint8_t* data, std::size_t size, std::size_t offset, std::u16string* text);

}  // namespace layer::shelllink
