#include <gtest/gtest.h>

#include "core/library/LibraryBytes.h"
#include "core/library/LibraryFixture.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

const std::string kResolving = kLogHeader + "\r\nResolving duplicate bookmarks:\r\n\r\n";

class DuplicateNames : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override {
    fixClock();
    ASSERT_TRUE(doc.createLog());
    ASSERT_TRUE(doc.addFolder("\\", true));
  }
  // Adds bookmarks to the root, each with a URL of its own that counts up, then sorts and
  // resolves.
  void resolve(const std::vector<std::string>& names) {
    for (const auto& name : names) bookmark(0, name, std::to_string(added++));
    doc.sortAndResolve();
  }
  std::string nameOf(const std::string& url) const {
    for (const auto& b : doc.bookmarks())
      if (b.url == url) return b.name;
    return "?";
  }
  std::vector<std::string> namesInAddedOrder() const {
    std::vector<std::string> out;
    for (int i = 0; i < added; ++i) out.push_back(nameOf(std::to_string(i)));
    return out;
  }
  // The log after its opening lines is the one tests/data holds under this name.
  void expectLog(const std::string& name) {
    doc.closeLog();
    for (const TestCase& c : readCases("duplicate-names-logs.txt"))
      if (c.what == name) {
        EXPECT_EQ(temp.read("IMPLOG.TXT"), kResolving + c["log"]) << name;
        return;
      }
    ADD_FAILURE() << "no log " << name;
  }
  int added = 0;
};

// A run keeps its first name and numbers the others in their own case, skipping numbers in
// use and names given earlier in the folder: the 46-character name's run takes S + " (1)", and
// the 48-character name's candidate, cut to the same 50 characters, must move on to " (2)".
// Candidates are cut to fifty characters, never inside one.
TEST_F(DuplicateNames, ARunKeepsItsFirstNameAndNumbersTheOthersCutToFiftyCharacters) {
  doc.closeLog();  // the adjustment flag is set without a log too
  ASSERT_FALSE(doc.adjustmentFlag());
  const std::string s(46, 's');
  resolve({"Home (1)", "Home", "home", "HOME", "Other", s, s, s + "xy", s + "XY"});
  std::vector<std::string> expected{"Home (1)", "Home",     "home (2)", "HOME (3)", "Other",
                                    s,          s + " (1)", s + "xy",   s + " (2)"};
  const std::string e = "\xC3\xA9", euro = "\xE2\x82\xAC";  // one character each
  const std::pair<std::string, std::string> cases[] = {
      {std::string(45, 'f'), std::string(45, 'f') + " (1)"},  // 49: nothing is cut
      {std::string(48, 'n'), std::string(46, 'n') + " (1)"},
      {repeated(e, 45), repeated(e, 45) + " (1)"},  // 90 bytes but only 45 characters
      {"x" + repeated(euro, 47), "x" + repeated(euro, 45) + " (1)"},
      {repeated("\xFF", 48), repeated("\xFF", 46) + " (1)"},  // a stray byte counts as one
  };
  for (const auto& [name, renamed] : cases) {
    resolve({name, name});
    expected.insert(expected.end(), {name, renamed});
  }
  EXPECT_EQ(namesInAddedOrder(), expected);
  EXPECT_TRUE(doc.adjustmentFlag());
  EXPECT_TRUE(doc.contentChanged());
}

TEST_F(DuplicateNames, OnlyBookmarksInTheSameFolderCountAndWithoutRenamesOneSortIsEnough) {
  doc.openStatusWindow();
  const auto news = folder("News\\");
  folder("News\\Home\\");  // a sub-folder may share a bookmark's name
  bookmark(news, "Home", "u1");
  bookmark(folder("Other\\"), "Home", "u2");
  bookmark(0, "home", "u3");
  bookmark(0, "x", "u4");
  bookmark(0, "x", "u5");
  doc.setBookmarkFolder(3, 99);  // records of a missing folder are left alone
  doc.setBookmarkFolder(4, 99);
  doc.sortAndResolve();
  EXPECT_EQ(tables(), "\\:0 News\\:0 News\\Home\\:1 Other\\:0 | home@0 Home@1 Home@3 x@99 x@99");
  EXPECT_FALSE(doc.adjustmentFlag() || doc.contentChanged());
  EXPECT_EQ(ui.statusTexts().size(), 2u);  // sorting, resolving: no second sort
  expectLog("no renames");
}

TEST_F(DuplicateNames, RenamesAreLoggedAndFollowedByASecondSort) {
  doc.openStatusWindow();
  const auto a = folder("A\\");
  folder("A\\B\\");
  bookmark(a, "Tools", "u1");
  bookmark(a, "tools", "u2");
  // "a (1)" sorts after "a !", so the renamed table must be sorted again.
  resolve({"a", "A", "a !"});
  EXPECT_EQ(ui.statusTexts().size(), 3u);  // sorting, resolving, sorting again
  EXPECT_EQ(tables(), "\\:0 A\\:0 A\\B\\:1 | a@0 a !@0 A (1)@0 Tools@1 tools (1)@1");
  EXPECT_EQ(bookmark(0, "a (1)", "1"), 2u);  // add-bookmark's lookup sees the new names
  expectLog("renames");
}

TEST_F(DuplicateNames, RunningOutOfMemoryStopsAfterKeepingTheRenamesMadeSoFar) {
  bookmark(0, "x", "u1");
  bookmark(0, "X", "u2");
  const auto big = folder("Big\\");
  for (int i = 0; i < 300; ++i) bookmark(big, "n" + std::to_string(1000 + i), "u");
  bookmark(big, "n1005", "another");
  bookmark(folder("Later\\"), "y", "u");
  doc.sortBookmarks();
  {
    // Room for the root folder's working list, not for the big folder's.
    ScopedAllocationLimit limit(4096);
    EXPECT_TRUE(doc.resolveDuplicateNames());
  }
  EXPECT_EQ(nameOf("u2"), "X (1)");
  EXPECT_EQ(nameOf("another"), "n1005");
  EXPECT_TRUE(doc.contentChanged());
  expectLog("out of memory");
}

}  // namespace
}  // namespace linkfold::test
