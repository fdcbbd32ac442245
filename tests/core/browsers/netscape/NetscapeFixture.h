#pragma once
// A library with its root and an open import log, ready for the Netscape reader, with the
// library and the log summed up as texts that tables of cases can state.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "browsers/netscape/NetscapeReader.h"
#include "core/library/LibraryFixture.h"
#include "support/NetscapeFile.h"

namespace linkfold::test {

// A reader's critical entry holding `reason`: the whole of a log after "Opening ...", which
// begins "Critical error:" and `where`.
inline void expectCritical(const std::string& log, const std::string& where,
                           const std::string& reason) {
  EXPECT_EQ(log.rfind("Critical error:\n" + where, 0), 0u) << log;
  EXPECT_NE(log.find(reason), std::string::npos) << log;
  EXPECT_TRUE(log.ends_with("Processing aborted\n")) << log;
}

// Nameless folders' numbers, which run on over the program's life, as #.
inline std::string withoutFolderNumbers(const std::string& text) {
  return std::regex_replace(text, std::regex("Folder \\(\\d+\\)"), "Folder (#)");
}

struct NetscapeRun : LibraryFixture {
  // MSIE's Favorites path, where given, bounds the length of folder paths.
  explicit NetscapeRun(const std::string& favoritesPath = "")
      : LibraryFixture(favoritesOnly(favoritesPath)) {
    fixClock();
    EXPECT_TRUE(doc.addFolder("\\", true));
    EXPECT_TRUE(doc.createLog());
  }

  int read(const std::string& bytes) {
    temp.write("in.htm", bytes);
    return Parse_NS_File(doc, temp.file("in.htm"));
  }

  // The log after its header, line ends as written by the program, the temporary directory as $.
  std::string log() {
    doc.closeLog();
    std::string text = temp.read("IMPLOG.TXT");
    EXPECT_EQ(text.rfind(kLogHeader, 0), 0u);
    text = std::regex_replace(text.substr(kLogHeader.size()), std::regex("\r\n"), "\n");
    return temp.masked(text, "$");
  }

  // The log after the `opening` it must begin with, folder numbers as #.
  std::string logAfter(const std::string& opening) {
    const std::string text = log();
    EXPECT_EQ(text.rfind(opening, 0), 0u) << text;
    return withoutFolderNumbers(text.substr(std::min(opening.size(), text.size())));
  }

  // Folders after the root, then each bookmark as folder|name|url, with |description and
  // |add,modified,visit where they are not empty.
  std::string library() const {
    std::string out;
    for (std::uint32_t i = 1; i < doc.folderCount(); ++i) out += doc.folder(i).path + " ";
    out += "=";
    for (const BookmarkRecord& b : doc.bookmarks()) {
      out += " " + doc.folder(b.folder).path + "|" + b.name + "|" + b.url;
      if (!b.description.empty()) out += "|" + b.description;
      if (b.addDate || b.modifiedDate || b.visitDate)
        out += "|" + std::to_string(b.addDate) + "," + std::to_string(b.modifiedDate) + "," +
               std::to_string(b.visitDate);
    }
    return out;
  }
};

}  // namespace linkfold::test
