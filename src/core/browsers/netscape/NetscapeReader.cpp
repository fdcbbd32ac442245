// The Netscape reader. Folders nest by an explicit stack of list levels, so a file of deeply
// nested folders cannot exhaust the call stack.

#include "browsers/netscape/NetscapeReader.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "browsers/builder/ImportTreeBuilder.h"
#include "browsers/netscape/CharacterReferences.h"
#include "browsers/netscape/NetscapeLineReader.h"
#include "browsers/netscape/NetscapeMarkup.h"
#include "library/CLFDoc.h"
#include "library/CStatDlg.h"

namespace linkfold {

namespace {

// The copy of a line that messages quote: without one carriage return at its very end.
std::string_view messageLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// One open list: the root's or a folder's, with the bookmark that waits for its description.
struct ListLevel : ImportFolder {
  // A top-level list without "<DL>" around it (as Safari writes it) may also end with the file.
  bool implicit = false;
  bool pending = false;
  bool inDescription = false;
  BookmarkRecord bookmark;
};

class NetscapeParser {
 public:
  NetscapeParser(CLFDoc& doc, NetscapeLineReader& input)
      : doc_(doc), input_(input), builder_(doc) {}

  // Finds the heading, takes its title and reads the top-level list.
  int Parse_NS_File();
  int Parse_NS_Folder();
  // After the top-level list: notes folder and bookmark lines that were left unread.
  void reportLinesAfterList();

 private:
  bool nextLine(std::string_view& line);
  int openList(const ListLevel* parent, std::string_view name);
  int folderLine(std::string_view line);
  int bookmarkLine(std::string_view line, ListLevel& level);
  bool storePending(ListLevel& level);
  int fatal(std::string_view message);

  CLFDoc& doc_;
  NetscapeLineReader& input_;
  ImportTreeBuilder builder_;
  std::vector<ListLevel> levels_;
  // The first item of an implicit top-level list, read while looking for the list's start.
  std::optional<std::string_view> heldLine_;
  std::uint64_t reported_ = 0;
};

int NetscapeParser::fatal(std::string_view message) {
  doc_.logFatal(message);
  return kNetscapeReadFatal;
}

bool NetscapeParser::nextLine(std::string_view& line) {
  const bool got = input_.next(line);
  // The status window follows block by block, not line by line; an end of file that comes
  // early (a 0x1A byte) is the end of the way.
  const std::uint64_t done = got ? input_.bytesRead() : input_.fileSize();
  if (done != reported_) {
    reported_ = done;
    if (CStatDlg* status = doc_.statusWindow())
      status->setProgress(std::min(reported_, input_.fileSize()), input_.fileSize());
  }
  return got;
}

// Starts the list of the root (no parent) or of the folder `name` (with its backslash) inside
// `parent`: finds its path, waits for the list to open and pushes its level.
int NetscapeParser::openList(const ListLevel* parent, std::string_view name) {
  ListLevel level;
  if (parent && !builder_.placeFolder(*parent, name, level)) return kNetscapeReadFatal;
  std::string_view line;
  do {
    if (!nextLine(line)) return fatal("CLFDoc::Parse_NS_Folder:\nUnexpected end of file");
    if (!parent && !opensList(line) && holdsItem(line)) {
      level.implicit = true;
      heldLine_ = line;
      break;
    }
  } while (!opensList(line));
  if (!builder_.addFolder(level)) return kNetscapeReadFatal;
  levels_.push_back(std::move(level));
  return kNetscapeReadOk;
}

bool NetscapeParser::storePending(ListLevel& level) {
  if (!level.pending) return true;
  level.pending = level.inDescription = false;
  return builder_.addBookmark(level, std::move(level.bookmark));
}

int NetscapeParser::folderLine(std::string_view line) {
  if (!storePending(levels_.back())) return kNetscapeReadFatal;
  std::string_view written;
  switch (folderName(line, written)) {
    case FolderNameResult::MissingMarker:
      return fatal("CLFDoc::Parse_NS_Folder:\nHTML error in line:\n" +
                   std::string(messageLine(line)) + "\nMissing '>' marker");
    case FolderNameResult::MissingEndTag:
      return fatal("CLFDoc::Parse_NS_Folder:\nHTML error in line:\n" +
                   std::string(messageLine(line)) + "\nMissing </H3> tag");
    case FolderNameResult::Ok:
      break;
  }
  std::string storage;
  return openList(&levels_.back(),
                  builder_.folderComponent(levels_.back().path, decodedView(written, storage)));
}

int NetscapeParser::bookmarkLine(std::string_view line, ListLevel& level) {
  if (!storePending(level)) return kNetscapeReadFatal;
  BookmarkRecord& mark = level.bookmark;
  mark.name.clear();
  mark.url.clear();
  mark.description.clear();
  BookmarkFields fields;
  if (const char* reason = bookmarkFields(line, fields)) {
    doc_.logNonFatal(messageLine(line), reason);
    return kNetscapeReadOk;
  }
  mark.url = decodeCharacterReferences(fields.url);
  mark.addDate = fields.addDate;
  mark.modifiedDate = fields.modifiedDate;
  mark.visitDate = fields.visitDate;
  std::string storage;
  builder_.nameBookmark(mark, decodedView(fields.name, storage));
  level.pending = true;
  return kNetscapeReadOk;
}

int NetscapeParser::Parse_NS_Folder() {
  if (const int result = openList(nullptr, {}); result != kNetscapeReadOk) return result;
  std::string_view line;
  while (!levels_.empty()) {
    ListLevel& level = levels_.back();
    if (heldLine_) {
      line = *heldLine_;
      heldLine_.reset();
    } else if (!nextLine(line)) {
      // What was read stays: the bookmark still waiting is stored before the file is given up.
      if (!storePending(level)) return kNetscapeReadFatal;
      if (level.implicit) return kNetscapeReadOk;
      return fatal("CLFDoc::Parse_NS_Folder:\nUnexpected end of file");
    }
    switch (classifyListLine(line)) {
      case ListLine::Folder:
        if (const int result = folderLine(line); result != kNetscapeReadOk) return result;
        break;
      case ListLine::Bookmark:
        if (const int result = bookmarkLine(line, level); result != kNetscapeReadOk) return result;
        break;
      case ListLine::Description: {
        level.inDescription = true;
        const std::size_t at = line.find("<DD>");
        level.bookmark.description.clear();
        appendDecoded(level.bookmark.description, line.substr(at + 4));
        break;
      }
      case ListLine::EndOfList:
        if (!storePending(level)) return kNetscapeReadFatal;
        levels_.pop_back();
        break;
      case ListLine::Other:
        if (level.inDescription) appendDecoded(level.bookmark.description.append(1, '\n'), line);
        break;
    }
  }
  return kNetscapeReadOk;
}

int NetscapeParser::Parse_NS_File() {
  std::string_view line;
  do {
    if (!nextLine(line)) return fatal("CLFDoc::Parse_NS_File:\nUnexpected end of file");
  } while (!isHeadingLine(line));
  std::string_view title;
  if (!headingTitle(line, title))
    return fatal("CLFDoc::Parse_NS_File:\nHTML error in:\n" + std::string(messageLine(line)) +
                 "\nMissing </H1> tag. Processing aborted");
  doc_.setNetscapeTitle(decodeCharacterReferences(title));
  const int result = Parse_NS_Folder();
  if (result == kNetscapeReadOk) reportLinesAfterList();
  return result;
}

void NetscapeParser::reportLinesAfterList() {
  std::uint32_t unread = 0;
  std::string_view line;
  while (nextLine(line))
    if (holdsItem(line)) ++unread;
  if (unread == 0) return;
  doc_.logLine("Lines after the end of the bookmark list were not read (" + std::to_string(unread) +
               " folder or bookmark lines)\n");
  doc_.setAdjustmentFlag();
}

}  // namespace

int Parse_NS_File(CLFDoc& doc, const std::string& path) {
  doc.logLine("Opening " + path + "\n");
  NetscapeLineReader input;
  try {
    if (!input.open(path)) {
      doc.logFatal("CLFDoc::Parse_NS_File:\nCould not access " + path);
      return kNetscapeReadFatal;
    }
    NetscapeParser parser(doc, input);
    return parser.Parse_NS_File();
  } catch (const std::bad_alloc&) {
    doc.logFatal("CLFDoc::Parse_NS_File:\nNot enough memory to read " + path);
    return kNetscapeReadFatal;
  }
}

}  // namespace linkfold
