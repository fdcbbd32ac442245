#pragma once
// A library document wired to a scripted UI and in-memory settings.

#include <string>

#include "library/CLFDoc.h"
#include "platform/Settings.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold::test {

struct LibraryFixture {
  explicit LibraryFixture(BrowserDetection browsers = {})
      : doc(ui, settings, temp.file("IMPLOG.TXT"), std::move(browsers)) {}

  std::uint32_t folder(const std::string& path) {
    std::uint32_t index = 0;
    EXPECT_TRUE(doc.addFolder(path, false, &index));
    return index;
  }
  std::uint32_t bookmark(std::uint32_t folderIndex, const std::string& name,
                         const std::string& url) {
    std::uint32_t index = 0;
    EXPECT_TRUE(doc.addBookmark(folderIndex, name, url, "", 0, 0, 0, &index));
    return index;
  }

  TempDir temp;
  FakeUi ui;
  InMemorySettings settings;
  CLFDoc doc;
};

}  // namespace linkfold::test
