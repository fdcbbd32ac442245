#include "platform/TextFile.h"

#include "platform/Text.h"

namespace linkfold {

std::unique_ptr<TextFile> TextFile::create(const std::string& path, std::string* error) {
  std::unique_ptr<TextFile> file(new TextFile);
  if (file->file_.open(path)) return file;
  if (error) *error = file->file_.error();
  return nullptr;
}

TextFile::~TextFile() {
  close();
}

void TextFile::write(std::string_view text) {
  if (failed_ || closed_) return;  // after a failure the rest would be lost too
  forEachCrLfPiece(text, [this](std::string_view piece) {
    if (!failed_ && !file_.write(piece)) failed_ = true;
  });
}

bool TextFile::close() {
  if (!closed_) {
    closed_ = true;
    if (!file_.commit()) failed_ = true;
  }
  return !failed_;
}

}  // namespace linkfold
