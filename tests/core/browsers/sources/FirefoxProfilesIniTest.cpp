#include <gtest/gtest.h>

#include "browsers/sources/FirefoxProfilesIni.h"

namespace linkfold {
namespace {

struct IniCase {
  const char* what;
  const char* ini;
  const char* expected;  // "name=folder*" per profile, '*' marking a profile Firefox starts with
};

std::string describe(const std::vector<FirefoxProfile>& profiles) {
  std::string text;
  for (const auto& p : profiles)
    text += (text.empty() ? "" : " ") + p.name + "=" + p.folder + (p.startsWith ? "*" : "");
  return text;
}

const IniCase kIniCases[] = {
    {"relative path, the only profile",
     "[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=default\nIsRelative=1\nPath=a."
     "default\n",
     "default=/r/a.default*"},
    {"absolute path",
     "[Profile0]\nName=elsewhere\nIsRelative=0\nPath=/data/ff/x\nDefault=1\n"
     "[Profile1]\nName=b\nIsRelative=1\nPath=b\n",
     "elsewhere=/data/ff/x* b=/r/b"},
    {"an absolute-looking path with IsRelative=1 stays under the root",
     "[Profile0]\nName=p\nIsRelative=1\nPath=/x\n", "p=/r//x*"},
    {"[Install] wins over a stale Default=1",
     "[Install4F96D1932A9F858E]\nDefault=Profiles/new.default-release\nLocked=1\n"
     "[Profile1]\nName=default-release\nIsRelative=1\nPath=Profiles/new.default-release\n"
     "[Profile0]\nName=default\nIsRelative=1\nPath=Profiles/old.default\nDefault=1\n",
     "default-release=/r/Profiles/new.default-release* default=/r/Profiles/old.default"},
    {"several installs tick each of theirs",
     "[InstallA]\nDefault=p1\n[InstallB]\nDefault=p2\n[Profile0]\nName=one\nPath=p1\n"
     "[Profile1]\nName=two\nPath=p2\n[Profile2]\nName=three\nPath=p3\nDefault=1\n",
     "one=/r/p1* two=/r/p2* three=/r/p3"},
    {"an install naming no listed profile leaves Default=1",
     "[InstallA]\nDefault=gone\n[Profile0]\nName=a\nPath=a\n[Profile1]\nName=b\nPath=b\nDefault="
     "1\n",
     "a=/r/a b=/r/b*"},
    {"two profiles and no default: none ticked",
     "[Profile0]\nName=a\nPath=a\n[Profile1]\nName=b\nPath=b\n", "a=/r/a b=/r/b"},
    {"CRLF, BOM, comments, spaces and a nameless profile",
     "\xEF\xBB\xBF; made by hand\r\n[Profile0]\r\n Path = deep/x.work \r\n# note\r\n",
     "x.work=/r/deep/x.work*"},
    {"a profile without Path, keys outside sections and a broken header are ignored",
     "Path=stray\n[Profile0\nName=z\n[Profile1]\nName=nopath\n[Profile2]\nName=ok\nPath=ok\n",
     "ok=/r/ok*"},
    {"empty file", "", ""},
};

TEST(FirefoxProfilesIni, ReadsEachForm) {
  for (const IniCase& c : kIniCases)
    EXPECT_EQ(describe(parseProfilesIni(c.ini, "/r")), c.expected) << c.what;
}

}  // namespace
}  // namespace linkfold
