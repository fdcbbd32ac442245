// The Netscape writer. The tree is walked with an explicit stack, so a deep library cannot
// exhaust the call stack.

#include "browsers/netscape/NetscapeWriter.h"

#include <charconv>
#include <vector>

#include "browsers/netscape/CharacterReferences.h"
#include "browsers/netscape/CrLfFileWriter.h"
#include "browsers/netscape/NetscapeBackup.h"
#include "library/CLFDoc.h"
#include "platform/Text.h"
#include "view/CLFView.h"

namespace linkfold {

namespace {

constexpr std::size_t kIndentStep = 4;
// Item texts were fetched into a buffer of 260 characters.
constexpr std::size_t kMaxWrittenNameChars = 259;

bool isWritten(std::uint32_t state) {
  return state == kSelected || state == kPartlySelected;
}

void number(CrLfFileWriter& out, std::uint32_t value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.raw(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// Text with what its field cannot carry written as character references. Only a description
// keeps line feeds, so the other fields go out as they are once escaped.
void escaped(CrLfFileWriter& out, std::string_view text, EscapedField field) {
  const auto put = [&](std::string_view bytes) {
    field == EscapedField::Description ? out.text(bytes) : out.raw(bytes);
  };
  if (!needsEscaping(text, field)) {
    put(text);
    return;
  }
  std::string written;
  appendEscaped(written, text, field);
  put(written);
}

// Cut before it is escaped, so that the reader finds the name as it was cut. A label of no more
// bytes than the limit has no more characters either.
void name(CrLfFileWriter& out, std::string_view label) {
  const std::string_view written =
      label.size() <= kMaxWrittenNameChars ? label : utf8Prefix(label, kMaxWrittenNameChars);
  escaped(out, written, EscapedField::Text);
}

void listLine(CrLfFileWriter& out, std::size_t depth, std::string_view marker) {
  out.spaces(depth);
  out.raw(marker);
}

void bookmarkLine(CrLfFileWriter& out, const CLFView& view, TreeItem item, std::size_t depth) {
  const CLFDoc& doc = view.document();
  const std::uint32_t index = view.tree().data(item);
  if (index >= doc.bookmarkCount()) return;  // an item of no record has nothing to write
  const BookmarkRecord& record = doc.bookmark(index);
  out.spaces(depth);
  out.raw("<DT><A HREF=\"");
  escaped(out, record.url, EscapedField::Url);
  out.raw("\" ADD_DATE=\"");
  number(out, record.addDate);
  out.raw("\" LAST_MODIFIED=\"");
  number(out, record.modifiedDate);
  out.raw("\" LAST_VISIT=\"");
  number(out, record.visitDate);
  out.raw("\">");
  name(out, view.tree().label(item));
  out.raw("</A>\r\r\n");
  if (record.description.empty()) return;
  out.raw("<DD>");
  escaped(out, record.description, EscapedField::Description);
  out.raw("\r\n");
}

// A folder's bookmarks lie far apart in the bookmark table, and their texts farther: each record
// is asked for some items ahead and its texts a few items later, so that the waits for memory
// overlap the writing instead of adding up.
void prefetchAhead(const CLFView& view, const std::vector<TreeItem>& children, std::size_t next) {
  constexpr std::size_t kRecordsAhead = 8, kTextsAhead = 4;
  const CLFDoc& doc = view.document();
  const auto record = [&](std::size_t at) -> const BookmarkRecord* {
    if (at >= children.size()) return nullptr;
    const std::uint32_t index = view.tree().data(children[at]);
    return index < doc.bookmarkCount() ? &doc.bookmark(index) : nullptr;
  };
  if (const BookmarkRecord* ahead = record(next + kRecordsAhead)) __builtin_prefetch(ahead);
  if (const BookmarkRecord* soon = record(next + kTextsAhead)) {
    __builtin_prefetch(soon->url.data());
    __builtin_prefetch(soon->description.data());
  }
}

struct OpenFolder {
  TreeItem item;
  std::size_t depth;
  std::size_t nextChild = 0;
};

}  // namespace

void Write_NS_Folder(const CLFView& view, TreeItem item, std::size_t depth,
                     const std::string& title, CrLfFileWriter& out) {
  const CSortedTreeCtrl& tree = view.tree();
  if (item == tree.root()) {
    out.raw(
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\r\n<!-- This is an automatically generated "
        "file.\r\r\nIt will be read and overwritten.\r\r\nDo Not Edit! -->\r\r\n<TITLE>");
    escaped(out, title, EscapedField::Text);
    out.raw("</TITLE>\r\r\n<H1>");
    escaped(out, title, EscapedField::Text);
    out.raw("</H1>\r\r\n");
  }
  std::vector<OpenFolder> open;
  // Opens a folder's list; false when nothing inside it is written.
  const auto enter = [&](TreeItem folder, std::size_t at) {
    const bool written = isWritten(tree.state(folder));
    if (written && folder != tree.root()) {
      out.spaces(at);
      out.raw("<DT><H3 FOLDED ADD_DATE=\"0\">");
      name(out, tree.label(folder));
      out.raw("</H3>\r\r\n");
    }
    listLine(out, at, "<DL><p>\r\r\n");
    if (written)
      open.push_back({folder, at});
    else
      listLine(out, at, "</DL><p>\r\r\n");
  };
  enter(item, depth);
  while (!open.empty()) {
    OpenFolder& folder = open.back();
    const auto& children = tree.children(folder.item);
    if (folder.nextChild == children.size()) {
      listLine(out, folder.depth, "</DL><p>\r\r\n");
      open.pop_back();
      continue;
    }
    prefetchAhead(view, children, folder.nextChild);
    const TreeItem child = children[folder.nextChild++];
    const std::size_t inner = folder.depth + kIndentStep;
    if (view.IsBookmarkItem(child))
      bookmarkLine(out, view, child, inner);
    else if (isWritten(tree.state(child)))
      enter(child, inner);  // may move `folder`; it is not used again in this round
  }
}

bool Do_NS_Export(CLFView& view, const std::string& targetPath, bool backup,
                  const std::string& title) {
  RealBackupFiles files;
  return writeWithBackup(view.ui(), files, targetPath, backup, [&] {
    CrLfFileWriter out;
    if (!out.create(targetPath)) return WriteResult{WriteOutcome::NotCreated, out.error()};
    Write_NS_Folder(view, view.tree().root(), 0, title, out);
    if (!out.close()) return WriteResult{WriteOutcome::WriteFailed, out.error()};
    return WriteResult{WriteOutcome::Written, {}};
  });
}

}  // namespace linkfold
