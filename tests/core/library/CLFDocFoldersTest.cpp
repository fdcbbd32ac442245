#include <gtest/gtest.h>

#include "core/library/LibraryFixture.h"

namespace linkfold::test {
namespace {

BrowserDetection favorites(std::size_t length) {
  BrowserDetection browsers;
  browsers.msiePresent = true;
  browsers.favoritesPath = std::string(length, 'f');
  return browsers;
}

class FolderRestructuring : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.addFolder("\\", true)); }
  std::string paths() const {
    std::string out;
    for (const auto& f : doc.folders()) out += f.path + " ";
    return out;
  }
};

TEST_F(FolderRestructuring, RemoveFolderRenumbersParentsAndBookmarks) {
  folder("A\\");        // 1
  folder("B\\");        // 2
  folder("A\\C\\");     // 3
  const auto d = folder("A\\C\\D\\");  // 4, parent 3
  ASSERT_EQ(d, 4u);
  bookmark(3, "x", "u");
  doc.removeFolder(2);
  ASSERT_EQ(doc.folderCount(), 4u);
  EXPECT_EQ(doc.folder(3).parent, 2u);
  EXPECT_EQ(doc.bookmark(0).folder, 2u);
  EXPECT_FALSE(doc.isModified());
  // The path index follows the shift.
  std::uint32_t index = 0;
  ASSERT_TRUE(doc.addFolder("a\\c\\", false, &index));
  EXPECT_EQ(index, 2u);
}

TEST_F(FolderRestructuring, RemoveFolderRefusesFoldersThatAreNotEmpty) {
  folder("A\\B\\");
  bookmark(folder("C\\"), "x", "u");
  doc.removeFolder(2);  // A\ holds B\ .
  doc.removeFolder(3);  // C\ holds a bookmark.
  doc.removeFolder(0);
  EXPECT_EQ(doc.folderCount(), 4u);
}

TEST_F(FolderRestructuring, RenameRewritesTheSubtreeOnly) {
  folder("A\\");
  folder("A\\B\\");
  folder("AB\\");
  ASSERT_TRUE(doc.renameFolder(1, "Alpha"));
  EXPECT_EQ(paths(), "\\ Alpha\\ Alpha\\B\\ AB\\ ");
  EXPECT_TRUE(doc.isModified());
  ASSERT_TRUE(doc.renameFolder(2, "Beta"));
  EXPECT_EQ(doc.folder(2).path, "Alpha\\Beta\\");
}

TEST_F(FolderRestructuring, RenameChecksLengthOnlyWhenTheNameGrows) {
  LibraryFixture withFavorites(favorites(190));
  auto& d = withFavorites.doc;
  ASSERT_TRUE(d.addFolder("\\", true));
  ASSERT_TRUE(d.addFolder("abcd\\", false));  // 190 + 5 = 195
  EXPECT_TRUE(d.renameFolder(1, "abcdefghi"));   // 190 + 10 = 200: allowed
  EXPECT_FALSE(d.renameFolder(1, "abcdefghij"));  // 201
  EXPECT_EQ(d.folder(1).path, "abcdefghi\\");
  ASSERT_TRUE(d.addFolder("abcdefghi\\" + std::string(20, 'x') + "\\", false));
  EXPECT_TRUE(d.renameFolder(1, "a"));  // shrinking never fails
}

TEST_F(FolderRestructuring, MoveFolderToTheRootAndRefusals) {
  folder("X\\Y\\Z\\");  // 1 X\Y\Z\, 2 X\Y\, 3 X\ (top level)
  ASSERT_TRUE(doc.moveFolder(2, 0));
  EXPECT_EQ(doc.folder(2).path, "Y\\");
  EXPECT_EQ(doc.folder(2).parent, 0u);
  EXPECT_EQ(doc.folder(1).path, "Y\\Z\\");
  EXPECT_EQ(doc.folder(1).parent, 2u);
  EXPECT_FALSE(doc.isModified());

  folder("Q\\y\\");  // a folder named y in Q
  const auto q = folder("Q\\");
  EXPECT_FALSE(doc.moveFolder(2, q));
  EXPECT_EQ(doc.folder(2).path, "Y\\");
  // Onto its own parent: the parent already holds a folder of that name (itself).
  EXPECT_FALSE(doc.moveFolder(2, 0));
  // Into itself or below itself.
  EXPECT_FALSE(doc.moveFolder(2, 1));
}

TEST_F(FolderRestructuring, MoveFolderRefusesPathsTooLong) {
  LibraryFixture withFavorites(favorites(180));
  auto& d = withFavorites.doc;
  ASSERT_TRUE(d.addFolder("\\", true));
  std::uint32_t deep = 0, target = 0;
  ASSERT_TRUE(d.addFolder("A\\" + std::string(12, 'd') + "\\", false, &deep));  // 180+16
  ASSERT_TRUE(d.addFolder("Target\\", false, &target));
  const auto a = *d.findFolder("A\\");
  EXPECT_FALSE(d.moveFolder(a, target));  // 180 + 7 + 16 = 203
  ASSERT_TRUE(d.addFolder("T\\", false, &target));
  EXPECT_TRUE(d.moveFolder(a, target));  // 180 + 2 + 16 = 198
  EXPECT_EQ(d.folder(deep).path, "T\\A\\" + std::string(12, 'd') + "\\");
}

TEST_F(FolderRestructuring, MoveFolderDerivesSelectionStates) {
  const auto p = folder("P\\");
  const auto keep = folder("P\\Keep\\");
  const auto moving = folder("P\\Moving\\");
  const auto dest = folder("D\\");
  doc.setFolderSelection(p, kPartlySelected);
  doc.setFolderSelection(keep, kSelected);
  doc.setFolderSelection(moving, kNotSelected);
  doc.setFolderSelection(dest, kSelected);
  ASSERT_TRUE(doc.moveFolder(moving, dest));
  EXPECT_EQ(doc.folder(p).selection, kSelected);  // every remaining sub-folder selected
  EXPECT_EQ(doc.folder(dest).selection, kNotSelected);  // its only sub-folder is not selected
  EXPECT_EQ(doc.folder(0).selection, kPartlySelected);

  // An old parent left without sub-folders turns from partly selected to selected.
  doc.setFolderSelection(dest, kPartlySelected);
  ASSERT_TRUE(doc.moveFolder(moving, 0));
  EXPECT_EQ(doc.folder(dest).selection, kSelected);
}

}  // namespace
}  // namespace linkfold::test
