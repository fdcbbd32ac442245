#include "browsers/detection/UsableFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linkfold {
namespace {

bool opensExclusively(const std::string& path, int access) {
  // Non-blocking, so that a FIFO in the file's place cannot stop detection.
  const int fd = ::open(path.c_str(), access | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat status {};
  const bool usable =
      ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);  // releases the lock
  return usable;
}

}  // namespace

bool profileFileIsUsable(const std::string& path) {
  return opensExclusively(path, O_RDONLY) && opensExclusively(path, O_RDWR);
}

}  // namespace linkfold
