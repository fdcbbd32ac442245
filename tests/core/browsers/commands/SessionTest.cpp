// The import run and the export commands, through a session.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "browserfiles/PlacesDatabase.h"
#include "browsers/commands/AppSession.h"
#include "browsers/commands/ExportCommands.h"
#include "browsers/commands/ImportRun.h"
#include "browsers/commands/TextExport.h"
#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSourcesDialog.h"
#include "core/browsers/FileSizeLimit.h"
#include "library/DocumentCommands.h"
#include "platform/Settings.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"
#include "support/NetscapeFile.h"
#include "support/Scenario.h"
#include "support/TempDir.h"
#include "view/CLFView.h"

namespace linkfold::test {
namespace {

using browserfiles::PlacesDatabase;

// A session over a scripted UI and a temporary directory: the browsers it "detected" are files
// and a Favorites folder in that directory, and the import log is written there too.
struct SessionFixture {
  // The three sources, in the temporary directory: ns3.htm, ns4.htm and Favorites/.
  BrowserDetection browsers(bool netscape3, bool netscape4, bool msie) const {
    const std::string favorites = msie ? temp.file("Favorites/") : "";
    return {msie,     netscape3, netscape4, favorites, temp.file("ns3.htm"), temp.file("ns4.htm"),
            "default"};
  }
  void start(BrowserDetection found, std::string logPath = {}) {
    session = std::make_unique<AppSession>(ui, settings, std::move(found),
                                           logPath.empty() ? temp.file("IMPLOG.TXT") : logPath);
    session->setDocumentChanged([this] { ++refills; });
  }
  void shortcut(const std::string& relative, const std::string& url) {
    temp.write("Favorites/" + relative, "[InternetShortcut]\r\nURL=" + url + "\r\n");
  }
  CLFDoc& doc() { return session->document(); }
  // The log after its header, with LF line ends.
  std::string log() const {
    std::string text = temp.read("IMPLOG.TXT");
    std::string out;
    for (std::size_t i = text.find("\r\n\r\n") + 4; i < text.size(); ++i)
      if (text.compare(i, 2, "\r\n") != 0) out += text[i];
    return out;
  }
  // Each bookmark as its folder path (none for the root) and name, in table order.
  std::string bookmarks() const {
    std::string out;
    for (const auto& b : session->document().bookmarks())
      out += (out.empty() ? "" : " ") +
             (b.folder == 0 ? "" : session->document().folder(b.folder).path) + b.name;
    return out;
  }

  TempDir temp;
  FakeUi ui;
  InMemorySettings settings;
  std::unique_ptr<AppSession> session;
  int refills = 0;
};

// The kinds of source a run case may list.
const std::string kSourceKinds = " places firefox chromium encrypted ";

// The runs are in tests/data/import-run-cases.txt.
TEST(ImportRun, LogSummaryAndLibrary) {
  for (const TestCase& c : readCases("import-run-cases.txt")) {
    SCOPED_TRACE(c.what);
    c.expectFieldsAmong({"browsers", "ns3", "ns4", "sources", "log", "not-in-log", "summary",
                         "library", "unmodified", "unclean"});
    SessionFixture f;
    for (const char* file : {"ns3", "ns4"})
      if (c.fields.count(file)) f.temp.write(file + std::string(".htm"), netscapeFile(c[file]));
    f.shortcut("News/Daily.url", "http://daily/");
    const std::string browsers = c["browsers"];
    f.start(f.browsers(browsers.find("ns3") != std::string::npos,
                       browsers.find("ns4") != std::string::npos,
                       browsers.find("msie") != std::string::npos));
    BrowserSources sources;
    for (const std::string& line : c.lines("sources")) {  // kind|file|contents|chosen
      std::vector<std::string> s;
      std::istringstream fields(line);
      for (std::string field; std::getline(fields, field, '|');) s.push_back(field);
      ASSERT_TRUE(s.size() == 4 && kSourceKinds.find(" " + s[0] + " ") != std::string::npos)
          << line;
      if (s[0] == "places")
        PlacesDatabase(f.temp.file(s[1])).bookmark(PlacesDatabase::kMenu, s[2], "https://b/");
      else if (s[0] != "encrypted")
        f.temp.write(s[1], s[2]);
      const bool chromium = s[0] == "chromium" || s[0] == "encrypted";
      sources.push_back({s[1], s[1], f.temp.file(s[1]),
                         chromium ? SourceFormat::ChromiumBookmarks : SourceFormat::FirefoxPlaces,
                         s[0] != "encrypted", false, s[3] == "chosen"});
    }
    f.session->importRun().setBrowserSources(std::move(sources));
    ASSERT_TRUE(f.session->documentCommands().fileNew());
    const std::string text = f.log();
    std::size_t at = 0;
    for (const auto& fragment : c.lines("log")) {
      const std::size_t found = text.find(fragment, at);
      EXPECT_NE(found, std::string::npos) << "missing or out of order: " << fragment << "\n"
                                          << text;
      if (found != std::string::npos) at = found + fragment.size();
    }
    for (const auto& fragment : c.lines("not-in-log"))
      EXPECT_EQ(text.find(fragment), std::string::npos) << fragment;
    ASSERT_EQ(f.ui.messages.size(), c["summary"].empty() ? 0u : 1u);
    for (const auto& m : f.ui.messages) {
      EXPECT_NE(m.text.find(c["summary"]), std::string::npos) << m.text;
      EXPECT_EQ(m.icon, MessageIcon::Information);
    }
    EXPECT_EQ(f.bookmarks(), c["library"]);
    EXPECT_EQ(f.doc().isModified(), c["unmodified"].empty());
    EXPECT_EQ(f.session->importRun().lastImportClean(), c["unclean"].empty());
    EXPECT_EQ(f.doc().folder(0).path, "\\");
    EXPECT_TRUE(f.doc().folder(0).locked);
  }
}

// Sessions as scenarios in tests/data/browsers-session-scenarios.txt, whose head describes the
// steps: the browsers found, the person answering, and what the commands leave.
struct SessionScenario : SessionFixture {
  using Args = std::vector<std::string>;
  explicit SessionScenario(const TestCase&) {}

  // In the order of the "enabled" step.
  inline static const std::map<std::string, CommandId> kExports{
      {"all", kCmdExportAll},       {"msie", kCmdExportMsie},   {"ns3", kCmdExportNetscape3},
      {"ns4", kCmdExportNetscape4}, {"other", kCmdExportOther}, {"text", kCmdExportText}};

  std::optional<std::string> chosen(const std::string& name) const {
    return name == "cancel" ? std::nullopt : std::optional(temp.local(name));
  }

  // The browsers named by the words after "start", each with its "=value" where given.
  void begin(const Args& a) {
    std::map<std::string, std::string> named;
    for (std::size_t i = 1; i < a.size(); ++i) {
      const std::size_t equals = a[i].find('=');
      named[a[i].substr(0, equals)] = equals == std::string::npos ? "" : a[i].substr(equals + 1);
    }
    for (const auto& word : named)
      EXPECT_NE(std::string(" ns3 ns4 msie profile log ").find(" " + word.first + " "),
                std::string::npos)
          << word.first;
    BrowserDetection found = browsers(named.count("ns3"), named.count("ns4"), named.count("msie"));
    if (!named["ns3"].empty()) found.netscape3File = temp.local(named["ns3"]);
    if (!named["ns4"].empty()) found.netscape4File = temp.local(named["ns4"]);
    if (named.count("profile")) found.netscape4ProfileName = named["profile"];
    start(found, named["log"].empty() ? "" : temp.local(named["log"]));
  }

  // The steps that only act, by verb.
  std::map<std::string, std::function<void(const Args&)>> actions{
      {"netscape",
       [this](const Args& a) {
         temp.write(a.at(1), netscapeFile(netscapeBookmark(a.at(2), a.at(3))));
       }},
      {"write", [this](const Args& a) { temp.write(a.at(1), a.size() > 2 ? a[2] : ""); }},
      {"shortcut", [this](const Args& a) { shortcut(a.at(1), a.at(2)); }},
      {"mkdir", [this](const Args& a) { std::filesystem::create_directories(temp.file(a.at(1))); }},
      {"start", [this](const Args& a) { begin(a); }},
      {"select",
       [this](const Args& a) {
         doc().setFolderSelection(doc().findFolder(a.at(1)).value(),
                                  a.at(2) == "none" ? kNotSelected : kPartlySelected);
       }},
      {"set-modified", [this](const Args& a) { doc().setModifiedFlag(a.at(1) == "1"); }},
      {"set-title", [this](const Args& a) { doc().setNetscapeTitle(a.at(1)); }},
      {"exports",
       [this](const Args&) {
         view = std::make_unique<CLFView>(doc(), ui, settings);
         view->OnUpdate();
         exports = std::make_unique<ExportCommands>(*view);
       }},
      {"answer", [this](const Args& a) { ui.answer(a.at(1) == "Yes" ? Answer::Yes : Answer::No); }},
      {"save-file", [this](const Args& a) { ui.nextSaveFile(chosen(a.at(1))); }},
      {"open-file", [this](const Args& a) { ui.nextOpenFile(chosen(a.at(1))); }},
      {"clear-messages", [this](const Args&) { ui.messages.clear(); }},
      {"chmod",
       [this](const Args& a) {
         ::chmod(temp.local(a.at(1)).c_str(), std::stoul(a.at(2), nullptr, 8));
       }},
      {"remove", [this](const Args& a) { std::filesystem::remove(temp.local(a.at(1))); }},
  };

  // What the step yields.
  std::string run(const Args& a) {
    const std::string& verb = a.at(0);
    if (const auto action = actions.find(verb); action != actions.end()) {
      action->second(a);
      return "";
    }
    DocumentCommands& commands = session->documentCommands();
    std::uint32_t folder = 0;
    if (verb == "folder") return okay(doc().addFolder(a.at(1), a.at(1) == "\\"));
    if (verb == "bookmark")
      return okay(doc().addFolder(a.at(1), false, &folder) &&
                  doc().addBookmark(folder, a.at(2), a.at(3), "", 0, 0, 0));
    if (verb == "new") return okay(commands.fileNew());
    if (verb == "save-as") return okay(commands.fileSaveAs());
    if (verb == "open-document") return okay(commands.openDocumentFile(temp.local(a.at(1))));
    if (verb == "open-exclusive") return okay(commands.fileOpenExclusive());
    if (verb == "import-html") return okay(session->importRun().OnImportHtml());
    if (verb == "export") return okay(exports->run(kExports.at(a.at(1))));
    if (verb == "export-on-full-disk") {
      ScopedFileSizeLimit full(64);
      return okay(exports->run(kExports.at(a.at(1))));
    }
    if (verb == "write-text") return okay(writeTextExport(doc(), temp.local(a.at(1))));
    if (verb == "ns4-text") return exports->OnUpdateExportNetscape4().text.value_or("none");
    if (verb == "enabled" || verb == "run-disabled") {
      std::string states, ran;
      for (const auto& [name, id] : kExports) {
        states += exports->stateOf(id).enabled ? '+' : '-';
        if (verb == "run-disabled" && !exports->stateOf(id).enabled && exports->run(id))
          ran += name + " ran ";
      }
      return verb == "enabled" ? states : ran.empty() ? "ok" : ran;
    }
    if (verb == "bookmarks") return bookmarks();
    if (verb == "folders") {
      std::string paths;
      for (const auto& f : doc().folders()) paths += (paths.empty() ? "" : " ") + f.path;
      return paths;
    }
    if (verb == "modified") return std::to_string(doc().isModified());
    if (verb == "clean") return std::to_string(session->importRun().lastImportClean());
    if (verb == "messages") return std::to_string(ui.messages.size());
    if (verb == "message" || verb == "says") {
      const Message& m = ui.messages.at(std::stoul(a.at(1)));
      const std::string icon = iconName(m.icon);
      if (verb == "message") return icon + ": " + temp.masked(m.text);
      return m.text.find(a.at(2)) == std::string::npos ? m.text : icon;
    }
    if (verb == "requests") return std::to_string(ui.fileRequests.size());
    if (verb == "read") return temp.read(a.at(1));
    if (verb == "exists") return std::to_string(std::filesystem::exists(temp.local(a.at(1))));
    if (verb == "log") return temp.masked(log());
    if (verb == "files")
      return std::to_string(std::distance(std::filesystem::directory_iterator(temp.path()), {}));
    if (verb == "mode") {
      std::ostringstream octal;
      octal << std::oct
            << static_cast<int>(std::filesystem::status(temp.local(a.at(1))).permissions());
      return octal.str();
    }
    if (verb == "refills") return std::to_string(refills);
    if (verb == "status") {
      std::string events;
      for (const std::string& e : ui.statusEvents) events += (events.empty() ? "" : " | ") + e;
      return events;
    }
    return "unknown step";
  }

  std::unique_ptr<CLFView> view;
  std::unique_ptr<ExportCommands> exports;
};

TEST(SessionScenarios, EachStepYieldsWhatItsLineExpects) {
  runScenarios<SessionScenario>("browsers-session-scenarios.txt");
}

// Through the session: found under a home, the first choice stored, a later choice kept.
TEST(ImportRunSources, TheSessionStoresTheFirstChoiceAndTheDialogChangesIt) {
  SessionFixture f;
  const std::string profile = f.temp.file("home/.mozilla/firefox/p");
  std::filesystem::create_directories(profile);
  f.temp.write("home/.mozilla/firefox/profiles.ini", "[Profile0]\nName=only\nPath=p\n");
  { PlacesDatabase places(profile + "/places.sqlite"); }
  f.start(f.browsers(false, false, false));
  const BrowserHome home = BrowserHome::locate(f.temp.file("home"), {});
  f.session->findBrowserSources(home);
  ASSERT_EQ(f.session->browserSources().size(), 1u);
  EXPECT_TRUE(f.session->browserSources()[0].chosen);
  EXPECT_EQ(f.settings.read(setting::kBrowserSources),
            "1 firefox:~/.mozilla/firefox/p/places.sqlite");

  f.ui.onDialog<BrowserSourcesDialog>([&profile](BrowserSourcesDialog& dialog) {
    EXPECT_EQ(dialog.rows.at(0).path, profile + "/places.sqlite");
    dialog.rows[0].checked = false;
    return true;
  });
  f.session->chooseBrowserSources();
  f.session->findBrowserSources(home);
  EXPECT_FALSE(f.session->browserSources()[0].chosen);
}

}  // namespace
}  // namespace linkfold::test
