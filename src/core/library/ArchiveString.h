#pragma once
// The framework archive's primitives as the library file uses them: little-endian numbers and
// length-prefixed texts. A text of L bytes has a 1-byte length (L < 255), 0xFF plus a u16
// (L < 65534) or 0xFF, 0xFFFF plus a u32. On reading, 0xFF followed by the u16 0xFFFE marks a
// 16-bit text: a second prefix of the same form counts UTF-16 units, which become UTF-8.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace linkfold {

// Reads little-endian values from a block of bytes. A read that would pass the end consumes
// nothing and returns false.
class ByteReader {
 public:
  explicit ByteReader(std::string_view data) : data_(data) {}

  bool readU8(std::uint8_t& value);
  bool readU16(std::uint16_t& value);
  bool readU32(std::uint32_t& value);
  // The next `count` bytes; fails when fewer remain.
  bool readBytes(std::uint64_t count, std::string_view& bytes);

  std::size_t remaining() const { return data_.size() - pos_; }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

void writeU32(std::ostream& out, std::uint32_t value);
// Sets the stream's failbit for a text too long for a 32-bit length.
void writeArchiveString(std::ostream& out, std::string_view text);

// The next text, or nothing when the data ends inside its prefix or its bytes. A length is
// checked against the bytes that remain before anything is allocated for it.
std::optional<std::string> readArchiveString(ByteReader& in);

// UTF-16LE to UTF-8; an unpaired surrogate becomes U+FFFD. An odd last byte is ignored.
std::string utf16LeToUtf8(std::string_view bytes);

}  // namespace linkfold
