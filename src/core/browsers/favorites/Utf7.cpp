#include "browsers/favorites/Utf7.h"

#include <cstdint>

#include "platform/Text.h"

namespace linkfold {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

int base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// Joins UTF-16 units into code points as they arrive.
class Utf16Sink {
 public:
  explicit Utf16Sink(std::string& out) : out_(out) {}
  void put(std::uint16_t unit) {
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
      appendUtf8(out_, highSurrogate_
                           ? 0x10000 + ((*highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00)
                           : kReplacement);
      highSurrogate_.reset();
      return;
    }
    flush();
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      highSurrogate_ = unit;
    } else {
      appendUtf8(out_, unit);
    }
  }
  // A high surrogate without its low half.
  void flush() {
    if (highSurrogate_) appendUtf8(out_, kReplacement);
    highSurrogate_.reset();
  }

 private:
  std::string& out_;
  std::optional<char32_t> highSurrogate_;
};

}  // namespace

std::optional<std::string> decodeUtf7(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  Utf16Sink sink(out);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos++];
    if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
    if (c != '+') {
      sink.flush();
      out.push_back(c);
      continue;
    }
    if (pos < text.size() && text[pos] == '-') {  // "+-" stands for "+"
      sink.flush();
      out.push_back('+');
      ++pos;
      continue;
    }
    std::uint32_t bits = 0;
    int bitCount = 0;
    while (pos < text.size() && base64Value(text[pos]) >= 0) {
      bits = (bits << 6) | static_cast<std::uint32_t>(base64Value(text[pos++]));
      bitCount += 6;
      if (bitCount >= 16) {
        bitCount -= 16;
        sink.put(static_cast<std::uint16_t>(bits >> bitCount));
        bits &= (1u << bitCount) - 1;
      }
    }
    if (bits != 0) return std::nullopt;                // left-over bits must be zero padding
    if (pos < text.size() && text[pos] == '-') ++pos;  // the run's optional terminator
  }
  sink.flush();
  return out;
}

}  // namespace linkfold
