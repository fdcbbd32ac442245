#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "browsers/commands/ExportCommands.h"
#include "browsers/commands/TextExport.h"
#include "core/browsers/commands/SessionFixture.h"
#include "view/CLFView.h"

namespace linkfold::test {
namespace {

constexpr std::array<CommandId, 6> kExportIds{kCmdExportMsie,      kCmdExportNetscape3,
                                              kCmdExportNetscape4, kCmdExportAll,
                                              kCmdExportOther,     kCmdExportText};

struct ExportFixture : SessionFixture {
  void open(BrowserDetection found, bool withBookmarks = true) {
    start(std::move(found));
    ASSERT_TRUE(doc().addFolder("\\", true));
    if (withBookmarks) bookmark("\\", "A", "http://a/");
    view = std::make_unique<CLFView>(doc(), ui, settings);
    view->OnUpdate();
    exports = std::make_unique<ExportCommands>(*view);
  }
  void bookmark(const std::string& folder, const std::string& name, const std::string& url) {
    std::uint32_t index = 0;
    ASSERT_TRUE(doc().addFolder(folder, false, &index));
    ASSERT_TRUE(doc().addBookmark(index, name, url, "", 0, 0, 0));
  }
  std::unique_ptr<CLFView> view;
  std::unique_ptr<ExportCommands> exports;
};

TEST(ExportEnabling, StatesAndTheProfileTextAndADisabledCommandDoesNothing) {
  const struct {
    const char* name;
    bool bookmarks, netscape3, netscape4, msie;
    const char* profile;
    const char* enabled;  // + or - per command, in the order of kExportIds
    std::optional<std::string> netscape4Text;
  } cases[] = {
      // clang-format off
      {"no bookmarks disables all six", false, true, true, true, "joe", "------", "Netscape &4.x (joe)"},
      {"one browser is no all browsers", true, false, false, true, "", "+---++", std::nullopt},
      {"MSIE and Netscape 3.x", true, true, false, true, "", "++-+++", std::nullopt},
      {"shared profile", true, false, true, false, "joe [shared]", "--+-++",
       "Netscape &4.x (joe [shared])"},
      {"all three", true, true, true, true, "joe", "++++++", "Netscape &4.x (joe)"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExportFixture f;
    BrowserDetection found = f.browsers(c.netscape3, c.netscape4, c.msie);
    found.netscape4ProfileName = c.profile;
    f.open(found, c.bookmarks);
    ASSERT_TRUE(f.doc().addFolder("Other\\", false));
    EXPECT_EQ(f.exports->OnUpdateExportNetscape4().text, c.netscape4Text);
    for (std::size_t i = 0; i < kExportIds.size(); ++i) {
      EXPECT_EQ(f.exports->stateOf(kExportIds[i]).enabled, c.enabled[i] == '+') << kExportIds[i];
      if (c.enabled[i] == '-') {
        EXPECT_FALSE(f.exports->run(kExportIds[i])) << kExportIds[i];
      }
    }
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(f.ui.fileRequests.empty());
  }
}

TEST(ExportWarning, EveryCommandAsksWhenNoFolderIsSelectedAndNoEndsIt) {
  ExportFixture f;
  f.open(f.browsers(true, true, true));
  f.doc().setFolderSelection(0, kNotSelected);
  for (const CommandId id : kExportIds) {
    f.ui.answer(Answer::No);
    EXPECT_FALSE(f.exports->run(id)) << id;
  }
  ASSERT_EQ(f.ui.messages.size(), kExportIds.size());
  for (const auto& m : f.ui.messages)
    EXPECT_TRUE(m.icon == MessageIcon::Question &&
                m.text.find("no folders selected") != std::string::npos);
  EXPECT_TRUE(f.ui.fileRequests.empty());
  EXPECT_FALSE(std::filesystem::exists(f.temp.file("ns3.htm")));
  // Yes on the text export writes an empty file.
  f.ui.answer(Answer::Yes);
  f.ui.nextSaveFile(f.temp.file("out.txt"));
  EXPECT_TRUE(f.exports->OnExportText());
  EXPECT_EQ(f.temp.read("out.txt"), "");
}

TEST(TextExport, SelectedFoldersInTableOrderByteForByte) {
  ExportFixture f;
  f.open(f.browsers(false, false, false));
  f.bookmark("\\", "B", "http://b/");
  f.bookmark("Off\\", "Hidden", "http://hidden/");
  f.bookmark("Sub\\Deep\\", "C", "http://c/");
  f.bookmark("\\", "D", "http://d/");
  f.doc().setFolderSelection(*f.doc().findFolder("Off\\"), kNotSelected);
  f.doc().setFolderSelection(*f.doc().findFolder("Sub\\"), kPartlySelected);
  f.ui.nextSaveFile(f.temp.file("out.txt"));
  f.temp.write("out.txt", "an older, longer file that is replaced");
  ASSERT_TRUE(f.exports->OnExportText());
  EXPECT_EQ(f.temp.read("out.txt"),
            "Folder: Root\r\n  Title: A\r\n    URL: http://a/\r\n  Title: B\r\n    URL: "
            "http://b/\r\n  Title: D\r\n    URL: http://d/\r\nFolder: Sub\\Deep\\\r\n  Title: C\r\n"
            "    URL: http://c/\r\nFolder: Sub\\\r\n  Folder contains no bookmarks.\r\n");
  f.ui.nextSaveFile(std::nullopt);
  EXPECT_FALSE(f.exports->OnExportText());
  EXPECT_TRUE(f.ui.messages.empty());
}

// A failed write is reported and is not a success (the disk is full: /dev/full).
TEST(TextExport, FailuresAreReportedAndNotSuccess) {
  const struct {
    std::string path;  // relative to the temporary directory unless absolute
    const char* message;
    MessageIcon icon;
  } cases[] = {{"missing/out.txt", "Could not create or replace\n", MessageIcon::None},
               {"/dev/full", "Could not write ", MessageIcon::Exclamation}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    ExportFixture f;
    f.open(f.browsers(false, false, false));
    const std::string path = c.path[0] == '/' ? c.path : f.temp.file(c.path);
    EXPECT_FALSE(writeTextExport(f.doc(), path));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    // The file first, then the system's reason for it.
    EXPECT_EQ(f.ui.messages[0].text.rfind(c.message + path + "\n" + path + ": ", 0), 0u);
    EXPECT_EQ(f.ui.messages[0].icon, c.icon);
  }
}

TEST(ExportAll, WritesNetscape3ThenNetscape4ThenTheFavoritesAndGoesOnAfterAFailure) {
  ExportFixture f;
  BrowserDetection found = f.browsers(true, true, true);
  found.netscape3File = f.temp.file("gone3/BOOKMARK.HTM");
  found.netscape4File = f.temp.file("gone4/BOOKMARK.HTM");
  std::filesystem::create_directories(f.temp.file("Favorites"));
  f.open(found);
  EXPECT_FALSE(f.exports->OnExportAll());
  const std::vector<std::string> texts = f.ui.messageTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[0].find("gone3"), std::string::npos) << texts[0];
  EXPECT_NE(texts[1].find("gone4"), std::string::npos) << texts[1];
  EXPECT_TRUE(std::filesystem::exists(f.temp.file("Favorites/A.url")));
}

TEST(ExportOther, TheChosenFileGetsItsOwnTitleAndTheBrowsersKeepTheDocuments) {
  ExportFixture f;
  f.temp.write("ns3.htm", "old");
  f.open(f.browsers(true, false, false));
  f.doc().setNetscapeTitle("Mine");
  f.ui.nextSaveFile(std::nullopt);
  EXPECT_FALSE(f.exports->OnExportOther());
  f.ui.nextSaveFile(f.temp.file("chosen.htm"));
  ASSERT_TRUE(f.exports->OnExportOther());
  ASSERT_TRUE(f.exports->OnExportNetscape3());
  const std::string chosen = f.temp.read("chosen.htm");
  const std::string netscape3 = f.temp.read("ns3.htm");
  EXPECT_NE(chosen.find("<H1>Bookmarks exported by Linkfold</H1>"), std::string::npos) << chosen;
  EXPECT_EQ(netscape3.find("exported by Linkfold"), std::string::npos);
  EXPECT_NE(netscape3.find("<H1>Mine</H1>"), std::string::npos) << netscape3;
  EXPECT_FALSE(std::filesystem::exists(f.temp.file("chosen.bak")));
  EXPECT_EQ(f.temp.read("ns3.bak"), "old");
}

}  // namespace
}  // namespace linkfold::test
