#include "library/ArchiveString.h"

#include <limits>

#include "platform/Text.h"

namespace linkfold {

bool ByteReader::readBytes(std::uint64_t count, std::string_view& bytes) {
  if (count > remaining()) return false;
  bytes = data_.substr(pos_, static_cast<std::size_t>(count));
  pos_ += static_cast<std::size_t>(count);
  return true;
}

namespace {

template <class T>
T littleEndian(std::string_view bytes) {
  T value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;)
    value = static_cast<T>((value << 8) | static_cast<unsigned char>(bytes[i]));
  return value;
}

}  // namespace

bool ByteReader::readU8(std::uint8_t& value) {
  std::string_view bytes;
  if (!readBytes(1, bytes)) return false;
  value = littleEndian<std::uint8_t>(bytes);
  return true;
}

bool ByteReader::readU16(std::uint16_t& value) {
  std::string_view bytes;
  if (!readBytes(2, bytes)) return false;
  value = littleEndian<std::uint16_t>(bytes);
  return true;
}

bool ByteReader::readU32(std::uint32_t& value) {
  std::string_view bytes;
  if (!readBytes(4, bytes)) return false;
  value = littleEndian<std::uint32_t>(bytes);
  return true;
}

namespace {

constexpr std::uint8_t kLongerLength = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongestLength = 0xFFFF;

void writeLittleEndian(std::ostream& out, std::uint64_t value, int bytes) {
  // One write per number: a library of a million records holds millions of them.
  char buffer[8];
  for (int i = 0; i < bytes; ++i) buffer[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  out.write(buffer, bytes);
}

// One length prefix after its first byte was 0xFF and its u16 was read: the u16 itself, or the
// u32 that follows 0xFFFF.
bool readLongLength(ByteReader& in, std::uint16_t shortLength, std::uint32_t& length) {
  if (shortLength < kLongestLength) {
    length = shortLength;
    return true;
  }
  return in.readU32(length);
}

// A whole prefix in which 0xFFFE is a plain length (the prefix after the 16-bit marker).
bool readLength(ByteReader& in, std::uint32_t& length) {
  std::uint8_t first = 0;
  if (!in.readU8(first)) return false;
  if (first < kLongerLength) {
    length = first;
    return true;
  }
  std::uint16_t second = 0;
  return in.readU16(second) && readLongLength(in, second, length);
}

}  // namespace

void writeU32(std::ostream& out, std::uint32_t value) {
  writeLittleEndian(out, value, 4);
}

void writeArchiveString(std::ostream& out, std::string_view text) {
  const std::uint64_t length = text.size();
  if (length >= std::numeric_limits<std::uint32_t>::max()) {
    out.setstate(std::ios::failbit);
    return;
  }
  if (length < kLongerLength) {
    writeLittleEndian(out, length, 1);
  } else if (length < kWideMarker) {
    out.put(static_cast<char>(kLongerLength));
    writeLittleEndian(out, length, 2);
  } else {
    out.put(static_cast<char>(kLongerLength));
    writeLittleEndian(out, kLongestLength, 2);
    writeLittleEndian(out, length, 4);
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::optional<std::string> readArchiveString(ByteReader& in) {
  std::uint8_t first = 0;
  if (!in.readU8(first)) return std::nullopt;
  std::uint32_t length = first;
  bool wide = false;
  if (first == kLongerLength) {
    std::uint16_t second = 0;
    if (!in.readU16(second)) return std::nullopt;
    if (second == kWideMarker) {
      wide = true;
      if (!readLength(in, length)) return std::nullopt;
    } else if (!readLongLength(in, second, length)) {
      return std::nullopt;
    }
  }
  std::string_view bytes;
  if (!in.readBytes(wide ? 2 * std::uint64_t{length} : length, bytes)) return std::nullopt;
  return wide ? utf16LeToUtf8(bytes) : std::string(bytes);
}

std::string utf16LeToUtf8(std::string_view bytes) {
  constexpr std::uint32_t kReplacement = 0xFFFD;
  const auto unitAt = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                      (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  };
  const auto isHigh = [](std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
  const auto isLow = [](std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
  const std::size_t units = bytes.size() / 2;
  std::string out;
  out.reserve(units);
  for (std::size_t i = 0; i < units; ++i) {
    const std::uint32_t unit = unitAt(i);
    if (isHigh(unit) && i + 1 < units && isLow(unitAt(i + 1))) {
      appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
      ++i;
    } else {
      appendUtf8(out, isHigh(unit) || isLow(unit) ? kReplacement : unit);
    }
  }
  return out;
}

}  // namespace linkfold
