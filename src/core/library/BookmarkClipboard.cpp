#include "library/BookmarkClipboard.h"

#include <algorithm>
#include <ctime>

#include "library/CLFDoc.h"
#include "library/NameRules.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

// Where `needle` (lower case) starts in `text` at or after `from`, ignoring ASCII case.
std::size_t findNoCase(std::string_view text, std::string_view needle, std::size_t from) {
  const auto hit =
      std::search(text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size())),
                  text.end(), needle.begin(), needle.end(), [](char a, char b) {
                    return static_cast<char>(asciiLower(static_cast<unsigned char>(a))) == b;
                  });
  return hit == text.end() ? std::string_view::npos : static_cast<std::size_t>(hit - text.begin());
}

std::string escapeHtml(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The text of an HTML fragment: tags dropped, the common entities decoded, white space runs
// made one space.
std::string htmlText(std::string_view html) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'},  {"&lt;", '<'},    {"&gt;", '>'},  {"&quot;", '"'},
      {"&#39;", '\''}, {"&apos;", '\''}, {"&nbsp;", ' '}};
  std::string out;
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      const auto close = html.find('>', i);
      i = close == std::string_view::npos ? html.size() : close + 1;
      continue;
    }
    if (html[i] == '&') {
      const auto entity =
          std::find_if(std::begin(kEntities), std::end(kEntities),
                       [&](const auto& e) { return html.substr(i).starts_with(e.first); });
      if (entity != std::end(kEntities)) {
        out += entity->second;
        i += entity->first.size();
        continue;
      }
    }
    const char c = isNameWhite(html[i]) ? ' ' : html[i];
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    ++i;
  }
  return std::string(trimWhite(out));
}

// A URL as other programs hand it over: no white space or control characters inside.
bool looksLikeUrl(std::string_view text) {
  if (text.empty() || std::any_of(text.begin(), text.end(),
                                  [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
    return false;
  const auto colon = text.find(':');
  const bool scheme =
      colon != std::string_view::npos && colon > 0 &&
      std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '+' || c == '-' || c == '.';
      });
  return (scheme && colon + 1 < text.size()) || text.starts_with("www.");
}

template <class F>
void forEachLine(std::string_view text, F&& take) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    take(trimWhite(text.substr(0, end)));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
}

}  // namespace

ClipboardData clipboardFor(const CLFDoc& doc, const std::vector<std::uint32_t>& bookmarks) {
  ClipboardData data;
  if (bookmarks.empty()) return data;
  data.html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
  for (const std::uint32_t b : bookmarks) {
    const BookmarkRecord& record = doc.bookmark(b);
    if (!data.text.empty()) data.text += '\n';
    data.text += record.url;
    data.uriList += record.url + "\r\n";
    data.html +=
        "    <DT><A HREF=\"" + escapeHtml(record.url) + "\">" + escapeHtml(record.name) + "</A>\n";
  }
  data.html += "</DL><p>\n";
  return data;
}

std::vector<PastedBookmark> parseHtmlLinks(std::string_view html) {
  std::vector<PastedBookmark> links;
  for (std::size_t at = findNoCase(html, "<a", 0); at != std::string_view::npos;
       at = findNoCase(html, "<a", at + 2)) {
    const auto tagEnd = html.find('>', at);
    if (tagEnd == std::string_view::npos) break;
    const std::string_view tag = html.substr(at, tagEnd - at);
    const auto href = findNoCase(tag, "href=", 0);
    if (href == std::string_view::npos) continue;
    std::string_view value = tag.substr(href + 5);
    if (!value.empty() && (value.front() == '"' || value.front() == '\'')) {
      const char quote = value.front();
      value.remove_prefix(1);
      value = value.substr(0, value.find(quote));
    } else {
      value = value.substr(0, std::min(value.size(), value.find(' ')));
    }
    const std::string url = htmlText(value);
    const auto close = findNoCase(html, "</a>", tagEnd);
    const std::string name = htmlText(html.substr(tagEnd + 1, close - tagEnd - 1));
    if (looksLikeUrl(url)) links.push_back({name, url});
    if (close == std::string_view::npos) break;
    at = close;
  }
  return links;
}

std::vector<PastedBookmark> parseUriList(std::string_view list) {
  std::vector<PastedBookmark> urls;
  forEachLine(list, [&](std::string_view line) {
    if (!line.starts_with('#') && looksLikeUrl(line)) urls.push_back({{}, std::string(line)});
  });
  return urls;
}

std::vector<PastedBookmark> parseUrlText(std::string_view text) {
  std::vector<PastedBookmark> urls;
  forEachLine(text, [&](std::string_view line) {
    if (looksLikeUrl(line)) urls.push_back({{}, std::string(line)});
  });
  return urls;
}

std::vector<PastedBookmark> parseClipboard(const ClipboardData& data) {
  if (auto links = parseHtmlLinks(data.html); !links.empty()) return links;
  if (auto urls = parseUriList(data.uriList); !urls.empty()) return urls;
  return parseUrlText(data.text);
}

std::size_t pasteBookmarks(CLFDoc& doc, std::uint32_t folder,
                           const std::vector<PastedBookmark>& items) {
  if (folder >= doc.folderCount()) return 0;
  const std::size_t before = doc.bookmarkCount();
  const auto now = static_cast<std::uint32_t>(std::time(nullptr));
  for (const PastedBookmark& item : items) {
    const std::string_view written = item.name.empty() ? item.url : item.name;
    std::string name = doc.cleanItemName(utf8Prefix(written, kMaxNameLength));
    if (name.empty()) name = doc.cleanItemName(utf8Prefix(item.url, kMaxNameLength));
    if (!doc.addBookmark(folder, name, item.url, {}, now, now, 0)) break;
  }
  const std::size_t added = doc.bookmarkCount() - before;
  if (added == 0) return 0;
  // Keeps the table in bookmark order, with names unique within each folder.
  doc.sortBookmarks();
  if (doc.resolveDuplicateNames()) doc.sortBookmarks();
  doc.setModifiedFlag();
  return added;
}

}  // namespace linkfold
