// The Netscape reader: what each kind of input leaves in the library and in the import log.

#include <gtest/gtest.h>

#include <regex>

#include "NetscapeFixture.h"
#include "library/CStatDlg.h"
#include "support/AllocationLimit.h"

namespace linkfold::test {
namespace {

struct ReadCase {
  const char* what;
  std::string input;
  std::string library;
  std::string log;  // after "Opening $/in.htm\n"
  int result = kNetscapeReadOk;
  bool adjusted = false;
  std::string title = "T";
  std::string favorites = "";
};

const std::string kNews =
    "<DT><H3 FOLDED ADD_DATE=\"0\">News</H3>\n<DL><p>\n"
    "<DT><A HREF=\"http://a/\" ADD_DATE=\"1\" LAST_MODIFIED=\"2\" LAST_VISIT=\"3\">A</A>\n"
    "<DD>one\ntwo\n</DL><p>\n<DT><A HREF=\"http://b/\">B</A>\n";
const std::string kNewsLibrary = "News\\ = News\\|A|http://a/|one\ntwo|1,2,3 \\|B|http://b/";
const std::string k60(60, 'n');

const ReadCase kReadCases[] = {
    {"written form", netscapeFile(kNews), kNewsLibrary, ""},
    {"lists opened by <DL> alone, heading with attributes, ends without <p>",
     "<H1 LAST_MODIFIED=\"5\">T</H1>\n<DL>\n<DT><H3>News</H3>\n<DL>\n"
     "<DT><A HREF=\"http://a/\" ADD_DATE=\"1\" LAST_MODIFIED=\"2\" LAST_VISIT=\"3\">A</A>\n"
     "<DD>one\ntwo\n</DL>\n<DT><A HREF=\"http://b/\">B</A>\n</DL>",
     kNewsLibrary, ""},
    {"written line ends CR CR LF, 0x1A ends the file",
     "<H1>T</H1>\r\r\n<DL><p>\r\r\n<DT><A HREF=\"http://c/\">C</A>\r\r\n<DD>x\r\ny\r\n"
     "</DL><p>\r\r\n\x1A<DT><A HREF=\"http://after/\">after</A>\n",
     "= \\|C|http://c/|x\ny", ""},
    {"marker order; folder descriptions and lower-case markers",
     netscapeFile("<DT><H3>F</H3>\n<DD>folder note\n<DL><p>\n"
                  "<DT><A HREF=\"http://x/\">X</A></DL><p>\n<dt><a href=\"http://low/\">low</a>\n"
                  "<HR>\n</DL><p>\n<DT><A HREF=\"http://y/\">Y</A>\n<DD>d\n<dt>lower\n"),
     "F\\ = F\\|X|http://x/ \\|Y|http://y/|d\n<dt>lower", ""},
    {"names cut, cleaned, defaulted",
     netscapeFile("<DT><H3>" + k60 + "</H3>\n<DL><p>\n<DT><A HREF=\"http://l/\">" + k60 +
                  "</A>\n</DL><p>\n<DT><A HREF=\"http://n/a?b\"></A>\n"
                  "<DT><A HREF=\"http://t/\">\tA/B?\t</A>\n"),
     k60 + "\\ = " + k60 + "\\|" + k60.substr(0, 50) +
         "|http://l/ \\|http$$$n$a$b|http://n/a?b \\|A$B$|http://t/",
     "Bookmark for URL \"http://n/a?b\" has no name\nDefault name \"http$$$n$a$b\" provided\n",
     kNetscapeReadOk, true},
    {"dates in any order, signed, clamped, without digits",
     netscapeFile("<DT><A LAST_VISIT=\"  7\" HREF=\"http://d/\" ADD_DATE=\"-2\" "
                  "LAST_MODIFIED=\"99999999999\">D</A>\n"
                  "<DT><A HREF=\"http://e/\" ADD_DATE=\"x\" LAST_VISIT=\"+5\">E</A>\n"),
     "= \\|D|http://d/|4294967294,4294967295,7 \\|E|http://e/|0,0,5", ""},
    {"skipped bookmark lines",
     netscapeFile("<DT><A HREF=\"http://ok/\">ok</A>\n<DT><A NAME=\"x\">no href</A>\r\r\n<DD>lost\n"
                  "<DT><A HREF=\"http://open>x</A>\n<DT><A HREF=\"\">empty</A>\n"
                  "<DT><A HREF=\"http://g/\"\n<DT><A HREF=\"http://h/\">no end\n"),
     "= \\|ok|http://ok/",
     "HTML Error in:\n<DT><A NAME=\"x\">no href</A>\nMissing HREF= tag. The line was skipped\n"
     "HTML Error in:\n<DT><A HREF=\"http://open>x</A>\nMissing close quote. The line was skipped\n"
     "HTML Error in:\n<DT><A HREF=\"\">empty</A>\nURL string is empty. The line was skipped\n"
     "HTML Error in:\n<DT><A HREF=\"http://g/\"\nMissing > marker. The line was skipped\n"
     "HTML Error in:\n<DT><A HREF=\"http://h/\">no end\nMissing </A> tag. The line was skipped\n",
     kNetscapeReadOk, true},
    {"a path of 171 characters is relocated, one of 170 is not",
     netscapeFile("<DT><H3>" + std::string(170, 'a') + "</H3>\n<DL><p>\n</DL><p>\n<DT><H3>" +
                  std::string(169, 'b') + "</H3>\n<DL><p>\n</DL><p>\n"),
     "Relocated\\ Relocated\\" + std::string(170, 'a') + "\\ " + std::string(169, 'b') + "\\ =",
     "Folder \"" + std::string(170, 'a') +
         "\\\"\ncould not be created because the path is too long\nFolder was moved to a root "
         "folder named \"Relocated\"",
     kNetscapeReadOk, true, "T", std::string(29, 'f') + "/"},
    {"lines after the top-level list are counted",
     netscapeFile("<DT><A HREF=\"http://1/\">1</A>\n") +
         "<DL><p>\n<DT><H3>Second</H3>\n<DT><A HREF=\"http://2/\">2</A>\n<dt><a>\n</DL><p>\n",
     "= \\|1|http://1/",
     "Lines after the end of the bookmark list were not read (2 folder or bookmark lines)\n",
     kNetscapeReadOk, true},
    {"character references decoded in the title, names, URLs and descriptions",
     "<H1>A &amp; B</H1>\n<DL><p>\n<DT><H3>R&amp;D &lt;x&gt;</H3>\n<DL><p>\n</DL><p>\n"
     "<DT><A HREF=\"http://a/?x=1&amp;y=&#34;\">Guardian&#39;s &apos;&quot;&#8364;&#x1F600;&#X41;"
     "</A>\n<DD>&lt;b&gt;\n&#65;&#x0a;z\n</DL><p>\n",
     "R&D $x$\\ = \\|Guardian's '$\u20AC\U0001F600A|http://a/?x=1&y=\"|<b>\nA\nz", "",
     kNetscapeReadOk, false, "A & B"},
    {"what is no reference stays as written",
     netscapeFile("<DT><A HREF=\"http://s/?a=1&b\">AT&T &amp</A>\n<DD>&copy; &#0; &#xD800; "
                  "&#x110000; &#12345678; &#x1234567; &#; &#x; &AMP; &#65\n"),
     "= \\|AT&T &amp|http://s/?a=1&b|&copy; &#0; &#xD800; &#x110000; &#12345678; &#x1234567; "
     "&#; &#x; &AMP; &#65",
     ""},
    {"decoded before the cut: a reference counts as one character",
     netscapeFile("<DT><A HREF=\"http://c/\">" + std::string(48, 'n') +
                  "&amp;&lt;&amp;</A>\n"
                  "<DT><A HREF=\"http://d/&amp;\"></A>\n"),
     "= \\|" + std::string(48, 'n') + "&$|http://c/ \\|http$$$d$&|http://d/&",
     "Bookmark for URL \"http://d/&\" has no name\nDefault name \"http$$$d$&\" provided\n",
     kNetscapeReadOk, true},
    {"top-level items without a list around them, ended by the file",
     "<H1>T</H1>\n<HR>\n<DT><H3>F</H3>\n<DL><p>\n<DT><A HREF=\"http://a/\">A</A>\n</DL><p>\n"
     "<DT><A HREF=\"http://b/\">B</A>\n<DD>d\n</HTML>\n",
     "F\\ = F\\|A|http://a/ \\|B|http://b/|d\n</HTML>", ""},
    {"an implicit top-level list ended by an unmatched </DL>",
     "<H1>T</H1>\n<DT><A HREF=\"http://a/\">A</A>\n</DL>\n<DT><A HREF=\"http://b/\">B</A>\n",
     "= \\|A|http://a/",
     "Lines after the end of the bookmark list were not read (1 folder or bookmark lines)\n",
     kNetscapeReadOk, true},
    {"an implicit top-level list with a folder's list open at the end",
     "<H1>T</H1>\n<DT><H3>F</H3>\n<DL><p>\n<DT><A HREF=\"http://a/\">A</A>\n",
     "F\\ = F\\|A|http://a/",
     "Critical error:\nCLFDoc::Parse_NS_Folder:\nUnexpected end of file\nProcessing aborted\n",
     kNetscapeReadFatal, true},
    {"sibling folders in other letter case share the first one's spelling below them",
     netscapeFile("<DT><H3>Abc</H3>\n<DL><p>\n</DL><p>\n<DT><H3>abc</H3>\n<DL><p>\n<DT><H3>y</H3>\n"
                  "<DL><p>\n<DT><H3>z</H3>\n<DL><p>\n<DT><A HREF=\"http://z/\">z</A>\n</DL><p>\n"
                  "</DL><p>\n</DL><p>\n"),
     "Abc\\ Abc\\y\\ Abc\\y\\z\\ = Abc\\y\\z\\|z|http://z/", ""},
    {"no heading", "<DL><p>\n</DL><p>\n", "=",
     "Critical error:\nCLFDoc::Parse_NS_File:\nUnexpected end of file\nProcessing aborted\n",
     kNetscapeReadFatal, true, CLFDoc::kDefaultNetscapeTitle},
    {"heading and </H1> on two lines", "<H1>T\r\n</H1>\n<DL><p>\n</DL><p>\n", "=",
     "Critical error:\nCLFDoc::Parse_NS_File:\nHTML error in:\n<H1>T\nMissing </H1> tag. "
     "Processing aborted\nProcessing aborted\n",
     kNetscapeReadFatal, true, CLFDoc::kDefaultNetscapeTitle},
    {"heading without '>'", "<H1 \n<DL><p>\n</DL><p>\n", "=",
     "Critical error:\nCLFDoc::Parse_NS_File:\nHTML error in:\n<H1 \nMissing </H1> tag. "
     "Processing aborted\nProcessing aborted\n",
     kNetscapeReadFatal, true, CLFDoc::kDefaultNetscapeTitle},
    {"end of file before the list", "<H1>T</H1>\n<HR>\n<dt><a href=\"http://0/\">0</a>\n", "=",
     "Critical error:\nCLFDoc::Parse_NS_Folder:\nUnexpected end of file\nProcessing aborted\n",
     kNetscapeReadFatal, true},
    {"end of file inside a list keeps the pending bookmark",
     "<H1>T</H1>\n<DL><p>\n<DT><H3>Sub</H3>\n<DL><p>\n<DT><A HREF=\"http://p/\">P</A>\n"
     "<DD>kept\n",
     "Sub\\ = Sub\\|P|http://p/|kept",
     "Critical error:\nCLFDoc::Parse_NS_Folder:\nUnexpected end of file\nProcessing aborted\n",
     kNetscapeReadFatal, true},
    {"end of file before a folder's list", "<H1>T</H1>\n<DL><p>\n<DT><H3>Sub</H3>\n", "=",
     "Critical error:\nCLFDoc::Parse_NS_Folder:\nUnexpected end of file\nProcessing aborted\n",
     kNetscapeReadFatal, true},
    {"folder line without '>'",
     netscapeFile("<DT><A HREF=\"http://q/\">Q</A>\n<DT><H3 FOLDED\r\n"), "= \\|Q|http://q/",
     "Critical error:\nCLFDoc::Parse_NS_Folder:\nHTML error in line:\n<DT><H3 FOLDED\n"
     "Missing '>' marker\nProcessing aborted\n",
     kNetscapeReadFatal, true},
    {"folder line without </H3>", netscapeFile("<DT><H3>Name\n"), "=",
     "Critical error:\nCLFDoc::Parse_NS_Folder:\nHTML error in line:\n<DT><H3>Name\n"
     "Missing </H3> tag\nProcessing aborted\n",
     kNetscapeReadFatal, true},
};

TEST(NetscapeReader, ReadsEachFormIntoTheLibraryAndTheLog) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.what);
    NetscapeRun run(c.favorites);
    EXPECT_EQ(run.read(c.input), c.result);
    EXPECT_EQ(run.library(), c.library);
    EXPECT_EQ(run.doc.adjustmentFlag(), c.adjusted);
    EXPECT_EQ(run.doc.netscapeTitle(), c.title);
    EXPECT_EQ(run.log(), "Opening $/in.htm\n" + c.log);
  }
}

// Nameless folders, and folders named only by blanks, are numbered over the program's life.
TEST(NetscapeReader, NamelessFoldersAreNumberedAcrossFilesAndRuns) {
  NetscapeRun first;
  ASSERT_EQ(first.read(netscapeFile("<DT><H3></H3>\n<DL><p>\n</DL><p>\n")), kNetscapeReadOk);
  std::smatch number;
  const std::string folders = first.library();
  ASSERT_TRUE(std::regex_search(folders, number, std::regex("Folder \\((\\d+)\\)")));
  const std::string next = std::to_string(std::stoul(number[1]) + 1);
  EXPECT_EQ(first.log(), "Opening $/in.htm\nRoot Folder contains a folder with no name\n"
                         "Default name Folder (" + number[1].str() + ") provided\n");
  EXPECT_FALSE(first.doc.adjustmentFlag());

  NetscapeRun second;
  ASSERT_EQ(second.read(netscapeFile("<DT><H3>Top</H3>\n<DL><p>\n<DT><H3> \t </H3>\n<DL><p>\n"
                                     "</DL><p>\n</DL><p>\n")),
            kNetscapeReadOk);
  EXPECT_EQ(second.library(), "Top\\ Top\\Folder (" + next + ")\\ =");
  EXPECT_EQ(second.log(), "Opening $/in.htm\nFolder Top contains a folder with no name\n"
                          "Default name Folder (" + next + ") provided\n");
}

TEST(NetscapeReader, RefusesWhatIsNoFile) {
  NetscapeRun run;
  EXPECT_EQ(Parse_NS_File(run.doc, run.temp.file("missing.htm")), kNetscapeReadFatal);
  EXPECT_EQ(Parse_NS_File(run.doc, run.temp.path()), kNetscapeReadFatal);
  EXPECT_EQ(run.log(),
            "Opening $/missing.htm\nCritical error:\nCLFDoc::Parse_NS_File:\nCould not access "
            "$/missing.htm\nProcessing aborted\nOpening $\nCritical error:\nCLFDoc::Parse_NS_File:"
            "\nCould not access $\nProcessing aborted\n");
}

// Deep nesting, huge lines and noise: read or refused with a logged entry, never a crash.
TEST(NetscapeReader, SurvivesHostileFiles) {
  std::string open, close;
  for (int i = 0; i < 100000; ++i) {
    open += "<DT><H3>a</H3>\n<DL><p>\n";
    close += "</DL><p>\n";
  }
  std::string noise(1 << 20, '\0');
  std::uint32_t seed = 7;
  for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  const std::string huge(5 << 20, 'x');
  const struct {
    std::string input;
    int result;
  } cases[] = {
      {netscapeFile(open + close), kNetscapeReadOk},
      {netscapeFile(open), kNetscapeReadFatal},
      {netscapeFile("<DT><A HREF=\"http://h/\">" + huge + "</A>\n<DD>" + huge + "\n"),
       kNetscapeReadOk},
      {"<H1>T</H1>\n<DL><p>\n" + noise, kNetscapeReadFatal},
      {"", kNetscapeReadFatal},
  };
  for (const auto& c : cases) {
    NetscapeRun run;
    run.doc.openStatusWindow();
    EXPECT_EQ(run.read(c.input), c.result);
    EXPECT_LT(run.doc.folderCount(), 300u);  // relocation keeps paths short
    EXPECT_EQ(run.ui.progress.done, c.input.size());
    EXPECT_EQ(run.ui.progress.total, c.input.size());
    EXPECT_EQ(run.ui.progress.backwards, 0);
    EXPECT_LE(run.ui.progress.reports, static_cast<int>(c.input.size() >> 17) + 2);
  }
}

// Lack of memory in add-folder and add-bookmark (the tables are made full, then their growth
// refused) and for a line.
TEST(NetscapeReader, ReportsEachRefusedAddition) {
  const std::string deep(200, 'd');  // with its backslash, past 200 characters
  const struct {
    std::vector<std::string> present;
    std::string list;
    std::string message;
  } cases[] = {
      {{}, "<DT><H3>" + deep + "</H3>\n",
       "CLFDoc::Parse_NS_Folder:\nCould not create \"Relocated\" folder"},
      {{"Relocated\\"}, "<DT><H3>" + deep + "</H3>\n",
       "CLFDoc::Parse_NS_Folder:\nCould not create Relocated\\" + deep + "\\ folder"},
      {{}, "<DT><H3>New</H3>\n<DL><p>\n</DL><p>\n",
       "CLFDoc::Parse_NS_Folder:\nFailed to create internal folder item"},
      {{}, "<DT><A HREF=\"http://new/\">new</A>\n",
       "CLFDoc::Parse_NS_Folder:\nFailed to add item to document"},
      {{}, std::string(100 << 10, 'x') + "\n",  // a line the memory cannot hold
       "CLFDoc::Parse_NS_File:\nNot enough memory to read $/in.htm"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    NetscapeRun run;
    for (const auto& path : c.present) run.folder(path);
    for (std::uint32_t i = 0; run.doc.folderCount() < 4096 ||
                              run.doc.folders().size() < run.doc.folders().capacity();)
      run.folder("pad" + std::to_string(i++) + "\\");
    for (std::uint32_t i = 0; run.doc.bookmarkCount() < 4096 ||
                              run.doc.bookmarks().size() < run.doc.bookmarks().capacity();
         ++i)
      run.bookmark(0, std::to_string(i), "http://" + std::to_string(i));
    const std::uint32_t folders = run.doc.folderCount(), marks = run.doc.bookmarkCount();
    run.temp.write("in.htm", netscapeFile(c.list));
    {
      ScopedAllocationLimit limit(64 << 10);
      EXPECT_EQ(Parse_NS_File(run.doc, run.temp.file("in.htm")), kNetscapeReadFatal);
    }
    EXPECT_EQ(run.doc.folderCount(), folders);
    EXPECT_EQ(run.doc.bookmarkCount(), marks);
    EXPECT_NE(run.log().find("Critical error:\n" + c.message + "\nProcessing aborted\n"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace linkfold::test
