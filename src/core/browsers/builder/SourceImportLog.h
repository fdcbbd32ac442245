#pragma once
// The log lines and status texts with which the Firefox and Chromium readers read one source,
// in the forms of the Netscape import.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace linkfold {

class CLFDoc;

// Reads one source between its log lines: shows "Importing <label> bookmarks", logs the begin
// line and "Opening <path>", runs `read`, and logs the completion line when nothing was adjusted.
// Running out of memory is a fatal entry headed by `where`. False after a fatal error.
bool importSource(CLFDoc& doc, const std::string& label, const std::string& path,
                  std::string_view where, const std::function<bool()>& read);

// Shows in the status window how many items were read, a block of items at a time.
class ItemProgress {
 public:
  ItemProgress(CLFDoc& doc, std::string label) : doc_(doc), label_(std::move(label)) {}
  void itemRead() {
    if ((++done_ & 0xFFF) == 0) show();
  }

 private:
  void show() const;

  CLFDoc& doc_;
  std::string label_;
  std::uint64_t done_ = 0;
};

}  // namespace linkfold
