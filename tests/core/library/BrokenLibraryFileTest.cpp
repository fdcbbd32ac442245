// Damaged library files: each must end in the error-reading message, keep exactly what was read
// before the damage (nothing at all after a rejected path), and never read or allocate beyond
// what the file holds.

#include <gtest/gtest.h>

#include "support/AllocationLimit.h"
#include "core/library/LibraryBytes.h"
#include "core/library/LibraryFixture.h"

namespace linkfold::test {
namespace {

using namespace std::string_literals;

struct BrokenFile {
  const char* name;
  std::string bytes;
  std::uint32_t foldersKept;
  std::uint32_t bookmarksKept;
};

void PrintTo(const BrokenFile& f, std::ostream* os) {
  *os << f.name;
}

const std::string kRecord = record("n", "u", "", 0);

std::string manyRoots(int count) {
  std::string paths;
  for (int i = 0; i < count; ++i) paths += text("\\");
  return paths;
}

std::string withSecondPath(const std::string& path) {
  return libraryFile({"\\", path}, {});
}

const BrokenFile kBrokenFiles[] = {
    {"FolderCountCut", "\x01\x00"s, 0, 0},
    {"PathPrefixCut", u32(1) + "\xFF\x10", 0, 0},
    {"PathRunsPastTheEnd", u32(1) + "\x0A\\", 0, 0},
    {"BookmarkCountMissing", u32(1) + text("\\"), 1, 0},
    {"CutInsideADate", libraryFile({"\\"}, {kRecord}).substr(0, 22), 1, 0},
    {"TextClaims4GiB", u32(1) + "\xFF\xFF\xFF"s + u32(0xFFFFFFF0) + std::string(19, 'x'), 0, 0},
    {"WideTextClaims8GiB", u32(1) + "\xFF\xFE\xFF\xFF\xFF\xFF"s + u32(0xFFFFFFFF) + "\\\0"s, 0, 0},
    {"FourBillionFolders", u32(0xFFFFFFFF) + manyRoots(13), 1, 0},
    {"FourBillionBookmarks", u32(1) + text("\\") + u32(0xFFFFFFFF) + kRecord + kRecord + "\x01", 1,
     1},
    {"FolderIndexPastTheFolderCount",
     libraryFile({"\\", "A\\"}, {record("a", "1", "", 1), record("b", "2", "", 2), kRecord}), 2, 1},
    {"BookmarksWithoutFolders", libraryFile({}, {kRecord}), 0, 0},
    {"FirstPathNotTheRoot", libraryFile({"News\\"}, {}), 0, 0},
    {"FirstPathEmpty", libraryFile({""}, {}), 0, 0},
    {"PathWithLeadingBackslash", withSecondPath("\\News\\"), 0, 0},
    {"EmptyPath", withSecondPath(""), 0, 0},
    {"PathWithoutTrailingBackslash", withSecondPath("News"), 0, 0},
    {"EmptyComponent", withSecondPath("A\\\\B\\"), 0, 0},
    {"DotComponent", withSecondPath("A\\.\\"), 0, 0},
    {"DotDotComponent", withSecondPath("..\\"), 0, 0},
    {"SlashInComponent", withSecondPath("a/..\\"), 0, 0},
    {"DotDotBehindSlash", withSecondPath("x/../../y\\"), 0, 0},
    {"NulInComponent", withSecondPath("A\0B\\"s), 0, 0},
    // 120 nested folders from one 240-byte path: their paths would outgrow the file 50 times.
    {"DeepPathWhoseAncestorsOutgrowTheFile", withSecondPath([] {
       std::string deep;
       for (int i = 0; i < 120; ++i) deep += "a\\";
       return deep;
     }()),
     1, 0},
    {"RejectedPathAfterOthersWereRead", libraryFile({"\\", "A\\", "B\\..\\"}, {kRecord}), 0, 0},
};

class BrokenLibraryFile : public ::testing::TestWithParam<BrokenFile>, public LibraryFixture {};

TEST_P(BrokenLibraryFile, IsReportedAsDamagedAndKeepsOnlyWhatWasRead) {
  const BrokenFile& broken = GetParam();
  temp.write("bad.bml", broken.bytes);
  bool opened = true;
  {
    // Far more than any of these files, far less than a length or count in them claims.
    ScopedAllocationLimit limit(1 << 20);
    opened = doc.OnOpenDocument(temp.file("bad.bml"));
  }
  EXPECT_FALSE(opened);
  EXPECT_TRUE(doc.loadFailed());
  EXPECT_FALSE(doc.internalError());
  EXPECT_EQ(doc.folderCount(), broken.foldersKept);
  EXPECT_EQ(doc.bookmarkCount(), broken.bookmarksKept);
  if (doc.folderCount() > 0) {
    EXPECT_EQ(doc.folder(0).path, "\\");
    EXPECT_TRUE(doc.folder(0).locked);
  }
  const bool someRead = broken.foldersKept > 0;
  EXPECT_EQ(doc.dataRead(), someRead);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0,
                 "Error reading " + temp.file("bad.bml") +
                     "\nThe file is either not a Bookmark Library,\n"
                     "or it is damaged in some way.\n\n",
                 Information);
  EXPECT_MESSAGE(ui, 1,
                 someRead ? "Some data was read from the file, but may be invalid\n\n"
                            "Click the \"Help\" button for more information."
                          : "No data was retrieved from the file.\n\n"
                            "The resulting document will contain only the bookmarks\n"
                            "that were imported from your browser(s).",
                 Information);
  EXPECT_EQ(ui.messages[1].helpButton, someRead);
}

INSTANTIATE_TEST_SUITE_P(Library, BrokenLibraryFile, ::testing::ValuesIn(kBrokenFiles),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace linkfold::test
