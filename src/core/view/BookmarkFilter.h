#pragma once
// The tree's filter: which bookmarks hold a text in their name or URL, ignoring case, and which
// folders the tree then shows (those that hold a match somewhere below them). Built for typing:
// the folded texts of every bookmark are made once per library state and searched as one block,
// and a text that grows by a keystroke is only looked for among the previous matches.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace linkfold {

class CLFDoc;

class BookmarkFilter {
 public:
  // Forgets the folded texts; the next match() folds the library again.
  void invalidate();
  // Folds the library's texts now, unless they are folded already.
  void prepare(const CLFDoc& doc);
  // The bookmarks (ascending table indexes) whose name or URL contains `text`, ignoring case.
  // An empty text matches every bookmark.
  const std::vector<std::uint32_t>& match(const CLFDoc& doc, std::string_view text);
  // Per folder index: whether the folder holds one of `matches` itself or below it. The root
  // is always shown.
  static std::vector<char> foldersShown(const CLFDoc& doc,
                                        const std::vector<std::uint32_t>& matches);

 private:
  void build(const CLFDoc& doc);
  void scanAll(std::string_view needle);
  void narrow(std::string_view needle);

  bool built_ = false;
  // Every bookmark's folded "name\0url\0", one after another; starts_[b] is where b begins.
  std::string folded_;
  std::vector<std::uint32_t> starts_;
  std::string lastNeedle_;
  std::vector<std::uint32_t> matches_;
};

}  // namespace linkfold
