#include "platform/DisplayText.h"

#include "platform/CaseFold.h"
#include "platform/Text.h"

namespace linkfold {
namespace {

// Windows-1252 bytes 0x80-0x9F; 0 marks the undefined ones, which keep their own number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    char32_t code = byte;
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0)
      code = kHighControls[byte - 0x80];
    appendUtf8(out, code);
  }
  return out;
}

std::string displayUtf8(std::string_view bytes) {
  return isValidUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

}  // namespace linkfold
