#include "browsers/netscape/NetscapeMarkup.h"

#include <cstring>
#include <limits>

#include "platform/Text.h"

namespace linkfold {

namespace {

bool holds(std::string_view line, std::string_view marker) {
  return line.find(marker) != std::string_view::npos;
}

// The text after `marker`'s first occurrence; false when absent.
bool after(std::string_view line, std::string_view marker, std::string_view& rest) {
  const std::size_t at = line.find(marker);
  if (at == std::string_view::npos) return false;
  rest = line.substr(at + marker.size());
  return true;
}

std::uint32_t dateAttribute(std::string_view attributes, std::string_view name) {
  std::string_view value;
  return after(attributes, name, value) ? readDate(value) : 0;
}

}  // namespace

ListLine classifyListLine(std::string_view line) {
  // One pass over the tags of the line notes which markers it holds; the marker order, not
  // their places in the line, decides.
  bool bookmark = false, description = false, endOfList = false;
  for (std::size_t at = line.find('<'); at != std::string_view::npos; at = line.find('<', at + 1)) {
    const std::string_view tag = line.substr(at);
    if (tag.starts_with("<DT><H3")) return ListLine::Folder;
    bookmark = bookmark || tag.starts_with("<DT><A");
    description = description || tag.starts_with("<DD>");
    endOfList = endOfList || tag.starts_with("</DL>");
  }
  if (bookmark) return ListLine::Bookmark;
  if (description) return ListLine::Description;
  if (endOfList) return ListLine::EndOfList;
  return ListLine::Other;
}

bool opensList(std::string_view line) { return holds(line, "<DL>"); }

bool isHeadingLine(std::string_view line) { return holds(line, "<H1>") || holds(line, "<H1 "); }

bool holdsItem(std::string_view line) {
  const ListLine kind = classifyListLine(line);
  return kind == ListLine::Folder || kind == ListLine::Bookmark;
}

bool headingTitle(std::string_view line, std::string_view& title) {
  const std::size_t heading = std::min(line.find("<H1>"), line.find("<H1 "));
  if (heading == std::string_view::npos) return false;
  const std::size_t open = line.find('>', heading);
  if (open == std::string_view::npos) return false;
  const std::size_t close = line.find("</H1>", open + 1);
  if (close == std::string_view::npos) return false;
  title = line.substr(open + 1, close - open - 1);
  return true;
}

FolderNameResult folderName(std::string_view line, std::string_view& name) {
  std::string_view rest;
  after(line, "<DT><H3", rest);
  const std::size_t open = rest.find('>');
  if (open == std::string_view::npos) return FolderNameResult::MissingMarker;
  rest.remove_prefix(open + 1);
  const std::size_t close = rest.find("</H3>");
  if (close == std::string_view::npos) return FolderNameResult::MissingEndTag;
  name = rest.substr(0, close);
  return FolderNameResult::Ok;
}

const char* bookmarkFields(std::string_view line, BookmarkFields& fields) {
  std::string_view attributes;
  after(line, "<DT><A", attributes);
  fields.addDate = dateAttribute(attributes, "ADD_DATE=\"");
  fields.modifiedDate = dateAttribute(attributes, "LAST_MODIFIED=\"");
  fields.visitDate = dateAttribute(attributes, "LAST_VISIT=\"");
  std::string_view rest;
  if (!after(attributes, "HREF=\"", rest)) return "Missing HREF= tag";
  const std::size_t quote = rest.find('"');
  if (quote == std::string_view::npos) return "Missing close quote";
  if (quote == 0) return "URL string is empty";
  fields.url = rest.substr(0, quote);
  rest.remove_prefix(quote);
  const std::size_t open = rest.find('>');
  if (open == std::string_view::npos) return "Missing > marker";
  rest.remove_prefix(open + 1);
  const std::size_t close = rest.find("</A>");
  if (close == std::string_view::npos) return "Missing </A> tag";
  fields.name = rest.substr(0, close);
  return nullptr;
}

std::uint32_t readDate(std::string_view text) {
  text = trimLeadingWhite(text);
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
  std::uint64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
    if (value > kMax) return static_cast<std::uint32_t>(kMax);
  }
  const auto result = static_cast<std::uint32_t>(value);
  return negative ? static_cast<std::uint32_t>(0u - result) : result;
}

}  // namespace linkfold
