#pragma once
// The folder a benchmark writes its generated inputs into: made on first use, removed at exit.

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace linkfold::bench {

inline const std::string& scratch() {
  static const struct Scratch {
    Scratch() {
      std::string pattern =
          (std::filesystem::temp_directory_path() / "linkfold-bench-XXXXXX").string();
      if (mkdtemp(pattern.data())) path = pattern;
    }
    ~Scratch() {
      std::error_code ignored;
      if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::string path;
  } dir;
  return dir.path;
}

}  // namespace linkfold::bench
