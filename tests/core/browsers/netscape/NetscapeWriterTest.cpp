// The Netscape writer: the bytes each tree gives, and the backup copy on every path (real files
// on a full disk are a session scenario).

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "browsers/netscape/NetscapeBackup.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "core/view/ViewFixture.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

struct NetscapeWriter : ViewTest {
  // Builds a tree of the form tests/data/netscape-written-cases.txt describes.
  void build(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
      std::vector<std::string> f;
      std::istringstream fields(line);
      for (std::string field; std::getline(fields, field, '|');) f.push_back(field);
      if (line.starts_with("select ")) {
        doc.setFolderSelection(folder(line.substr(7, line.rfind(' ') - 7)),
                               line.ends_with(" none") ? kNotSelected : kPartlySelected);
      } else if (f.size() == 1) {
        folder(line);
      } else {
        while (f.size() < 7) f.push_back(f.size() < 4 ? "" : "0");
        ASSERT_TRUE(doc.addBookmark(folder(f[0]), f[1], f[2], f[3], std::stoul(f[4]),
                                    std::stoul(f[5]), std::stoul(f[6])));
      }
    }
  }
};

TEST_F(NetscapeWriter, WritesTheSelectedTreeByteForByte) {
  for (const TestCase& c : readCases("netscape-written-cases.txt")) {
    SCOPED_TRACE(c.what);
    doc.DeleteContents();
    ASSERT_TRUE(doc.addFolder("\\", true));
    build(c.lines("tree"));
    view.OnUpdate();
    EXPECT_TRUE(
        Do_NS_Export(view, temp.file("out.htm"), false, c["title"].empty() ? "T" : c["title"]));
    EXPECT_EQ(temp.read("out.htm"), c["bytes"]);
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(doc.isModified());
}

// File operations that succeed unless a path is listed as failing, with a record of each.
struct ScriptedFiles : BackupFiles {
  std::set<std::string> present, failing;
  std::vector<std::string> done;
  bool exists(const std::string& path) override { return present.count(path) != 0; }
  bool copy(const std::string& from, const std::string& to) override {
    done.push_back("copy " + from + " " + to);
    return failing.count(from) == 0;
  }
  bool remove(const std::string& path) override {
    done.push_back("remove " + path);
    return failing.count(path) == 0;
  }
};

std::set<std::string> words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), {}};
}

// The cases are in tests/data/netscape-backup-cases.txt.
TEST(NetscapeBackup, ReportsEveryFailureAndDropsTheCopyOfTheUntouchedTarget) {
  const std::map<std::string, WriteOutcome> outcomes = {
      {"written", WriteOutcome::Written},
      {"not-created", WriteOutcome::NotCreated},
      {"write-failed", WriteOutcome::WriteFailed}};
  const std::map<std::string, MessageIcon> icons = {{"exclamation", MessageIcon::Exclamation},
                                                    {"question", MessageIcon::Question},
                                                    {"information", MessageIcon::Information}};
  for (const TestCase& c : readCases("netscape-backup-cases.txt")) {
    SCOPED_TRACE(c.what);
    FakeUi ui;
    if (!c["answer"].empty()) ui.answer(c["answer"] == "yes" ? Answer::Yes : Answer::No);
    ScriptedFiles files;
    files.present = words(c["present"]);
    files.failing = words(c["failing"]);
    bool wrote = false;
    const std::string target = c["target"].empty() ? "t.htm" : c["target"];
    const bool result = writeWithBackup(ui, files, target, c["no-backup"].empty(), [&] {
      wrote = true;
      return WriteResult{outcomes.at(c["outcome"]), "why"};
    });
    EXPECT_EQ(result, c["outcome"] == "written");
    EXPECT_EQ(wrote, !c["outcome"].empty());
    EXPECT_EQ(files.done, c.lines("done"));
    const std::vector<std::string> messages = c.lines("messages");
    ASSERT_EQ(ui.messages.size(), messages.size());
    for (std::size_t i = 0; i < messages.size(); ++i) {
      const std::size_t space = messages[i].find(' ');
      EXPECT_EQ(ui.messages[i].icon, icons.at(messages[i].substr(0, space)));
      EXPECT_NE(ui.messages[i].text.find(messages[i].substr(space + 1)), std::string::npos)
          << ui.messages[i].text;
    }
  }
}

}  // namespace
}  // namespace linkfold::test
