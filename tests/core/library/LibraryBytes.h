#pragma once
// Library files spelled out byte by byte for tests, independently of the writer.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace linkfold::test {

inline std::string u32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

// A short text (under 255 bytes) with its one-byte length.
inline std::string text(std::string_view s) {
  return static_cast<char>(s.size()) + std::string(s);
}

inline std::string repeated(std::string_view piece, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

inline std::string record(std::string_view name, std::string_view url, std::string_view description,
                          std::uint32_t folder, std::uint32_t added = 0, std::uint32_t modified = 0,
                          std::uint32_t visited = 0) {
  return text(name) + text(url) + text(description) + u32(folder) + u32(added) + u32(modified) +
         u32(visited);
}

inline std::string libraryFile(const std::vector<std::string>& paths,
                               const std::vector<std::string>& records) {
  std::string bytes = u32(static_cast<std::uint32_t>(paths.size()));
  for (const auto& p : paths) bytes += text(p);
  bytes += u32(static_cast<std::uint32_t>(records.size()));
  for (const auto& r : records) bytes += r;
  return bytes;
}

}  // namespace linkfold::test
