#pragma once
// Shared by the fuzz harnesses: a broken rule aborts with its description, and an input that a
// reader takes by path is written to a scratch file first.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace linkfold::fuzz {

inline void require(bool holds, const char* problem) {
  if (holds) return;
  std::fprintf(stderr, "%s\n", problem);
  std::abort();
}

// An empty text when all is well, else the problem found.
inline void require(const std::string& problem) {
  require(problem.empty(), problem.c_str());
}

// A file in /tmp that is removed again when the input is done.
struct ScratchFile {
  ScratchFile() {
    char pattern[] = "/tmp/linkfold-fuzz-XXXXXX";
    const int fd = mkstemp(pattern);
    require(fd >= 0, "no scratch file");
    close(fd);
    path = pattern;
  }
  ScratchFile(const std::uint8_t* data, std::size_t size) : ScratchFile() {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    require(file && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0,
            "cannot write the input");
  }
  ~ScratchFile() { std::remove(path.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  std::string path;
};

}  // namespace linkfold::fuzz
