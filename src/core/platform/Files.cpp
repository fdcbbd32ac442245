#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <streambuf>
#include <vector>

#include "platform/SafeFile.h"

namespace linkfold {

std::optional<std::string> readWholeFile(const std::string& path, std::string* error) {
  const auto failure = [&](int code) -> std::optional<std::string> {
    if (error) *error = path + ": " + systemReason(code);
    return std::nullopt;
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return failure(errno);
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    const int code = S_ISDIR(status.st_mode) ? EISDIR : errno ? errno : EINVAL;
    ::close(fd);
    return failure(code);
  }
  std::string content(static_cast<std::size_t>(status.st_size), '\0');
  std::size_t done = 0;
  int readError = 0;
  while (done < content.size()) {
    const ssize_t got = ::read(fd, content.data() + done, content.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) readError = errno;
    if (got <= 0) break;  // a file that shrank meanwhile ends here
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (readError != 0) return failure(readError);
  content.resize(done);
  return content;
}

namespace {

// Hands a stream's bytes to the safe writer in the blocks the stream collects.
class SafeFileBuffer : public std::streambuf {
 public:
  explicit SafeFileBuffer(SafeFile& file) : file_(file), block_(1 << 16) {
    setp(block_.data(), block_.data() + block_.size());
  }

 protected:
  int_type overflow(int_type c) override {
    if (!pass()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override { return pass() ? 0 : -1; }

 private:
  bool pass() {
    const bool ok =
        file_.write(std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
    setp(block_.data(), block_.data() + block_.size());
    return ok;
  }

  SafeFile& file_;
  std::vector<char> block_;
};

}  // namespace

bool writeFileSafely(const std::string& path, const std::function<void(std::ostream&)>& write,
                     std::string* error, const std::string& keepOldAs) {
  SafeFile file;
  bool ok = file.open(path);
  if (ok) {
    SafeFileBuffer buffer(file);
    std::ostream out(&buffer);
    write(out);
    out.flush();
    if (out) {
      ok = file.commit(keepOldAs);
    } else {
      // The writer gave up (or the stream failed) without a reason from the system.
      ok = false;
      file.abandon();
    }
  }
  if (!ok && error)
    *error = file.error().empty() ? path + ": the file could not be written" : file.error();
  return ok;
}

bool fileIsReadable(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

}  // namespace linkfold
