#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/browsers/FileSizeLimit.h"
#include "platform/SafeFile.h"
#include "support/TempDir.h"

namespace linkfold::test {
namespace {

namespace fs = std::filesystem;

bool replace(const std::string& path, const std::string& bytes, std::string* error = nullptr,
             const std::string& keepOldAs = {}) {
  SafeFile file;
  const bool ok = file.open(path) && file.write(bytes) && file.commit(keepOldAs);
  if (error) *error = file.error();
  return ok;
}

TEST(SafeFile, ReplacesKeepingTheModeAndWritesThroughASymbolicLink) {
  TempDir temp;
  for (const mode_t mode : {0600, 0640, 0755, 07751}) {  // set-user-id, set-group-id, sticky too
    SCOPED_TRACE(mode);
    temp.write("lib.bml", "old");
    ::chmod(temp.file("lib.bml").c_str(), mode);
    ASSERT_TRUE(replace(temp.file("lib.bml"), "new"));
    EXPECT_EQ(temp.read("lib.bml"), "new");
    EXPECT_EQ(fs::status(temp.file("lib.bml")).permissions(), fs::perms(mode));
  }
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(replace(temp.file("fresh.txt"), "x"));
  ::umask(mask);
  EXPECT_EQ(fs::status(temp.file("fresh.txt")).permissions(), fs::perms(0644));
  // The link stays a link; the file it names gets the new contents.
  fs::create_directory(temp.file("real"));
  temp.write("real/target.bml", "old");
  fs::create_symlink("real/target.bml", temp.file("link.bml"));
  ASSERT_TRUE(replace(temp.file("link.bml"), "through"));
  EXPECT_TRUE(fs::is_symlink(temp.file("link.bml")));
  EXPECT_EQ(temp.read("real/target.bml"), "through");
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.file("real")), {}), 1);  // no other file
  // The old file kept under another name; a device written directly.
  temp.write("d.bml", "damaged");
  ASSERT_TRUE(replace(temp.file("d.bml"), "saved", nullptr, temp.file("d.bml.damaged")));
  EXPECT_EQ(temp.read("d.bml"), "saved");
  EXPECT_EQ(temp.read("d.bml.damaged"), "damaged");
  EXPECT_TRUE(replace("/dev/null", "gone"));
}

TEST(SafeFile, AFailureLeavesTheTargetAsItWasAndSaysWhy) {
  TempDir temp;
  temp.write("t.htm", "old contents");
  temp.write("t.bak", "older");
  const std::string target = temp.file("t.htm");
  const int holder = ::open(target.c_str(), O_RDONLY);
  const struct {
    const char* what;
    std::string path;
    int reason;  // an errno value, or 0 for a target held by another program
    std::string keepOldAs = "";
    rlim_t sizeLimit = RLIM_INFINITY;
    bool readOnlyFolder = false;
  } cases[] = {
      {"full disk", target, EFBIG, "", 4},
      {"full device", "/dev/full", ENOSPC},
      {"held by another program", target, 0},
      {"old copy exists", target, EEXIST, temp.file("t.bak")},
      {"no such folder", temp.file("none/t.htm"), ENOENT},
      {"a folder that takes no new file", target, EACCES, "", RLIM_INFINITY, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.readOnlyFolder && ::geteuid() == 0) continue;  // root ignores permission bits
    ASSERT_TRUE(c.reason != 0 || ::flock(holder, LOCK_EX | LOCK_NB) == 0);
    if (c.readOnlyFolder) ::chmod(temp.path().c_str(), 0555);
    std::string error;
    {
      ScopedFileSizeLimit limit(c.sizeLimit);
      EXPECT_FALSE(replace(c.path, std::string(100, 'n'), &error, c.keepOldAs));
    }
    if (c.reason == 0) ::flock(holder, LOCK_UN);
    ::chmod(temp.path().c_str(), 0755);
    EXPECT_EQ(error.rfind(c.path + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.reason ? std::strerror(c.reason) : "in use"), std::string::npos)
        << error;
    EXPECT_EQ(temp.read("t.htm"), "old contents");
    EXPECT_EQ(temp.read("t.bak"), "older");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), {}), 2);  // no temporary file left
  }
  ::close(holder);
}

}  // namespace
}  // namespace linkfold::test
