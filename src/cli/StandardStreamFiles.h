#pragma once
// The files linkfold-cli reads and writes in place of "-" and by default: standard input kept
// in a temporary file (the Netscape reader reads only regular files), standard output, and the
// import log in the data directory, where the window keeps it.

#include <optional>
#include <string>

namespace linkfold::cli {

// The path the writers take for standard output.
inline constexpr const char* kStandardOutputPath = "/dev/stdout";

// Standard input copied into a temporary file, removed again when this is destroyed.
class StandardInputCopy {
 public:
  StandardInputCopy() = default;
  ~StandardInputCopy();
  StandardInputCopy(const StandardInputCopy&) = delete;
  StandardInputCopy& operator=(const StandardInputCopy&) = delete;

  // The copy's path; none, with `error` set, when standard input could not be read or kept.
  std::optional<std::string> path(std::string& error);

 private:
  std::string path_;
};

// $XDG_DATA_HOME/Quillmere/Linkfold/IMPLOG.TXT, else under ~/.local/share; the folder is made
// when missing. None, with `error` set, when there is no such folder and it cannot be made.
std::optional<std::string> defaultImportLogPath(std::string& error);

}  // namespace linkfold::cli
