#include "JsonText.h"

#include "platform/Text.h"

namespace linkfold::cli {

namespace {

void appendEscapedUnit(std::string& out, unsigned highByte, unsigned char low) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\u";
  out += kHex[highByte >> 4];
  out += kHex[highByte & 0xF];
  out += kHex[low >> 4];
  out += kHex[low & 0xF];
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = utf8CharLength(text, pos);
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (length > 1) {
      out.append(text, pos, length);
    } else if (byte >= 0x80) {
      appendEscapedUnit(out, 0xDC, byte);  // not part of valid UTF-8
    } else if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte == '\t') {
      out += "\\t";
    } else if (byte == '\b') {
      out += "\\b";
    } else if (byte == '\f') {
      out += "\\f";
    } else if (byte < 0x20) {
      appendEscapedUnit(out, 0x00, byte);
    } else {
      out += static_cast<char>(byte);
    }
    pos += length;
  }
  out += '"';
}

}  // namespace linkfold::cli
