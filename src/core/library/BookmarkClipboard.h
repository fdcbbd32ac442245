#pragma once
// Bookmarks on the clipboard: what a copy puts there in the three forms other programs read
// (plain text, a text/uri-list and a Netscape-format fragment), and the bookmarks a paste takes
// from whichever of those forms another program left.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace linkfold {

class CLFDoc;

struct ClipboardData {
  std::string text;     // the URLs, one a line
  std::string uriList;  // text/uri-list: the URLs, each line ended by CR LF
  std::string html;     // a Netscape-format fragment: one <DT><A HREF> line per bookmark

  bool empty() const { return text.empty() && uriList.empty() && html.empty(); }
};

struct PastedBookmark {
  std::string name;  // empty when the source gave none
  std::string url;

  bool operator==(const PastedBookmark&) const = default;
};

// The clipboard forms of the given bookmarks (table indexes), in that order.
ClipboardData clipboardFor(const CLFDoc& doc, const std::vector<std::uint32_t>& bookmarks);

// The bookmarks in the richest form present: the HTML fragment's links (name and URL), else the
// uri-list's URLs, else the plain text's lines that look like URLs.
std::vector<PastedBookmark> parseClipboard(const ClipboardData& data);
std::vector<PastedBookmark> parseHtmlLinks(std::string_view html);
std::vector<PastedBookmark> parseUriList(std::string_view list);
std::vector<PastedBookmark> parseUrlText(std::string_view text);

// Adds the bookmarks to the folder as one change, through the library's add-bookmark and name
// rules: names are cut and cleaned, a bookmark without a name is named after its URL, and names
// that repeat in the folder are made unique. Returns how many records were added.
std::size_t pasteBookmarks(CLFDoc& doc, std::uint32_t folder,
                           const std::vector<PastedBookmark>& items);

}  // namespace linkfold
