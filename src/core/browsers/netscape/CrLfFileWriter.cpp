#include "browsers/netscape/CrLfFileWriter.h"

#include <algorithm>

#include "platform/Text.h"

namespace linkfold {

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

}  // namespace

bool CrLfFileWriter::create(const std::string& path) {
  if (!file_.open(path)) return false;
  buffer_.reserve(kBlockSize + kBlockSize / 4);
  return true;
}

void CrLfFileWriter::text(std::string_view text) {
  forEachCrLfPiece(text, [this](std::string_view piece) { buffer_.append(piece); });
  flushWhenFull();
}

void CrLfFileWriter::spaces(std::size_t count) {
  while (count > 0) {
    const std::size_t now = std::min(count, kBlockSize);
    buffer_.append(now, ' ');
    count -= now;
    flushWhenFull();
  }
}

void CrLfFileWriter::flushWhenFull() {
  if (buffer_.size() >= kBlockSize) flush();
}

void CrLfFileWriter::flush() {
  file_.write(buffer_);  // a failure is kept by the file and reported at the close
  buffer_.clear();
}

bool CrLfFileWriter::close(const std::string& keepOldAs) {
  flush();
  return file_.commit(keepOldAs);
}

}  // namespace linkfold
