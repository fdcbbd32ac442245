#pragma once
// Netscape bookmark files of the written form, for the tests of the readers and of the runs.

#include <string>

namespace linkfold::test {

// A file around the given lines of its top-level list, with heading "T".
inline std::string netscapeFile(const std::string& listLines) {
  return "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>T</TITLE>\n<H1>T</H1>\n<DL><p>\n" +
         listLines + "</DL><p>\n";
}

inline std::string netscapeBookmark(const std::string& name, const std::string& url) {
  return "<DT><A HREF=\"" + url + "\">" + name + "</A>\n";
}

}  // namespace linkfold::test
