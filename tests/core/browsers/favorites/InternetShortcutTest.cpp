#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "browsers/favorites/InternetShortcut.h"
#include "support/TempDir.h"

namespace linkfold::test {
namespace {

std::optional<std::string> urlOf(const TempDir& temp, const std::string& bytes) {
  temp.write("s.url", bytes);
  InternetShortcut shortcut;
  EXPECT_TRUE(shortcut.Load(temp.file("s.url")));
  return shortcut.GetURL();
}

TEST(InternetShortcut, ReadsTheFormsWindowsWrites) {
  struct Case {
    std::string bytes;
    std::optional<std::string> url;
  };
  const Case cases[] = {
      {"[InternetShortcut]\r\nURL=http://a.example/\r\n", "http://a.example/"},
      {"[InternetShortcut]\nURL=http://lf.example/", "http://lf.example/"},
      {"\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://bom.example/\r\n", "http://bom.example/"},
      {"[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\nURL=http://not.this/\r\n"
       "[internetshortcut]\r\nIDList=\r\nurl = http://case.example/ \r\nURL=http://second/\r\n",
       "http://case.example/"},
      {"[InternetShortcut]\r\nURL=http://plain.example/\r\n[InternetShortcut.W]\r\n"
       "URL=http://caf+AOk-.example/+-x\r\n",
       "http://caf\xC3\xA9.example/+x"},
      {"[InternetShortcut.W]\nURL=+2D3eAA-\n[InternetShortcut]\nURL=http://x/\n",
       "\xF0\x9F\x98\x80"},                                   // a surrogate pair
      {"[InternetShortcut.W]\nURL=+2D0-\n", "\xEF\xBF\xBD"},  // unpaired
      {"[InternetShortcut.W]\nURL=bad\xFF\n[InternetShortcut]\nURL=http://fallback/\n",
       "http://fallback/"},
      {"[InternetShortcut.W]\nURL=+AOl\n[InternetShortcut]\nURL=http://fallback/\n",
       "http://fallback/"},                                              // bits left over
      {"[InternetShortcut]\r\nURL=http://cr/\r\xFF\r\n", "http://cr/"},  // a lone CR ends the line
      {"[InternetShortcut.W]\nURL=http://a/+AA0-x\n[InternetShortcut]\nURL=http://b/\n",
       "http://b/"},  // a CR in UTF-7
      {"[InternetShortcut]\nURL=http://tab/\tx\n", std::nullopt},
      {"[InternetShortcut]\r\nURL=\r\n", std::nullopt},
      {"[Other]\r\nURL=http://other/\r\n", std::nullopt},
      {"URL=http://no.section/\r\n", std::nullopt},
      {"", std::nullopt},
      {"[InternetShortcut\r\nURL=http://unclosed/\r\n", "http://unclosed/"},  // as Windows reads it
      {std::string("\x00\x01[\x02]=\xFF\n[InternetShortcut]\nURL", 30), std::nullopt},
  };
  TempDir temp;
  for (const Case& c : cases) EXPECT_EQ(urlOf(temp, c.bytes), c.url) << c.bytes;
}

TEST(InternetShortcut, ReadsEveryRealShortcutOfTheCorpus) {
  const std::filesystem::path dir = std::filesystem::path(LINKFOLD_CORPUS_DIR) / "url";
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "no shortcut corpus at " << dir;
  const std::map<std::string, std::string> known = {
      {"explorer-prop3-first-minimal-crlf.url", "https://github.com/carlbennett/BNRBot"},
      {"ie-bing-envvar-iconfile-roamed-crlf.url",
       "http://go.microsoft.com/fwlink/p/?LinkId=255142"},
      {"ie-default-favorite-prop3-last-crlf.url", "http://go.microsoft.com/fwlink/?LinkId=50893"},
      {"ie-modified-hotkey-favicon-lf.url", "http://happysolver.sourceforge.net/"},
      {"ie-prop3-first-favicon-hotkey-crlf.url", "http://dev.uoquint.ru/projects"},
      {"minimal-no-final-newline.url", "https://discord.gg/zykeresources"},
  };
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    InternetShortcut shortcut;
    ASSERT_TRUE(shortcut.Load(entry.path().string())) << entry.path();
    const auto url = shortcut.GetURL();
    ASSERT_TRUE(url) << entry.path();
    const auto expected = known.find(entry.path().filename().string());
    if (expected != known.end()) {
      EXPECT_EQ(*url, expected->second);
    }
    EXPECT_EQ(url->find_first_of("\r\n"), std::string::npos);
  }
}

TEST(InternetShortcut, RefusesWhatIsNoShortcutFile) {
  TempDir temp;
  temp.write("big.url", "[InternetShortcut]\nURL=http://x/\n" + std::string(1 << 20, ' '));
  ASSERT_EQ(::mkfifo(temp.file("pipe.url").c_str(), 0600), 0);
  for (const char* name : {"missing.url", "big.url", "pipe.url", ""}) {
    InternetShortcut shortcut;
    EXPECT_FALSE(shortcut.Load(temp.file(name))) << name;  // the pipe must not block
    EXPECT_FALSE(shortcut.GetURL());
  }
}

TEST(InternetShortcut, SetUrlGuessesTheProtocolAndRefusesWhatCouldAddLines) {
  struct Case {
    std::string url;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {"www.example.com", "http://www.example.com"},
      {"ftp.example.com/pub", "ftp://ftp.example.com/pub"},
      {"FTP.example.com", "ftp://FTP.example.com"},
      {"localhost:8080/x", "http://localhost:8080/x"},
      {"https://example.com/a?b=c", "https://example.com/a?b=c"},
      {"mailto:someone@example.com", "mailto:someone@example.com"},
      {"javascript:void(0)", "javascript:void(0)"},
      {"", std::nullopt},
      {"http://a/\r\nIconFile=evil", std::nullopt},
      {"http://a/\nb", std::nullopt},
      {std::string("http://a/\0b", 11), std::nullopt},
      {"http://a/\tb", std::nullopt},
      {"http://a/\x7F", std::nullopt},
  };
  TempDir temp;
  for (const Case& c : cases) {
    InternetShortcut shortcut;
    EXPECT_EQ(shortcut.SetURL(c.url), c.stored.has_value()) << c.url;
    if (!c.stored) continue;
    ASSERT_TRUE(shortcut.Save(temp.file("out.url")));
    shortcut.SaveCompleted(temp.file("out.url"));
    EXPECT_EQ(temp.read("out.url"), "[InternetShortcut]\r\nURL=" + *c.stored + "\r\n");
    InternetShortcut again;
    ASSERT_TRUE(again.Load(temp.file("out.url")));
    EXPECT_EQ(again.GetURL(), c.stored);
  }
}

}  // namespace
}  // namespace linkfold::test
