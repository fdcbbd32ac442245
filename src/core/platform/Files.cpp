#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace linkfold {

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  if (size > 0) {
    content.resize(static_cast<std::size_t>(size));
    in.seekg(0, std::ios::beg);
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.gcount() != static_cast<std::streamsize>(content.size())) return std::nullopt;
  }
  return content;
}

namespace {

std::string temporaryNameBeside(const std::string& path) {
  std::random_device random;
  return path + ".tmp" + std::to_string(random() % 1000000);
}

bool syncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

}  // namespace

bool writeFileSafely(const std::string& path, const std::function<void(std::ostream&)>& write) {
  const std::string temporary = temporaryNameBeside(path);
  bool ok = false;
  {
    // A large buffer: a library file of a million bookmarks is written in a few hundred calls.
    std::vector<char> buffer(1 << 20);
    std::ofstream out;
    out.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.open(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      write(out);
      out.flush();
      ok = static_cast<bool>(out);
      out.close();
      ok = ok && !out.fail();
    }
  }
  ok = ok && syncFile(temporary);
  std::error_code error;
  if (ok) {
    std::filesystem::rename(temporary, path, error);
    ok = !error;
    if (error) errno = error.value();
  }
  if (!ok) {
    // The caller reports errno: the removal of the temporary file must not replace it.
    const int reason = errno;
    std::filesystem::remove(temporary, error);
    errno = reason;
  }
  return ok;
}

bool fileIsReadable(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

}  // namespace linkfold
