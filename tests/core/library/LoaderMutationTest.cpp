// Feeds thousands of damaged variants of a valid library through the loader, the same path
// the fuzz target explores, with a fixed seed so every run checks the same inputs.

#include <gtest/gtest.h>

#include <random>

#include "support/AllocationLimit.h"
#include "core/library/LibraryBytes.h"
#include "core/library/LibraryFixture.h"
#include "fuzz/LibraryInvariants.h"

namespace linkfold::test {
namespace {

using namespace std::string_literals;

// Four folders (one created as a parent), a record with every field set, one with a 16-bit
// name and a 300-byte URL, and a plain one.
std::string seedLibrary() {
  const std::string wideName =
      "\xFF\xFE\xFF\x03"
      "A\x00\x3D\xD8\x00\xDE"s;  // "A", U+1F600
  const std::string longUrl = "\xFF\x2C\x01"s + std::string(300, 'u');
  return u32(4) + text("\\") + text("News\\Daily\\") + text("News\\") + text("Tools\\") + u32(3) +
         record("Paper", "http://p/", "Morning", 1, 1, 2, 3) + wideName + longUrl + text("") +
         u32(3) + u32(0) + u32(0) + u32(0) + record("Home", "http://h/", "", 0, 9, 9, 9);
}

std::string mutate(std::string bytes, std::mt19937& random) {
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(random);
  };
  const int edits = 1 + static_cast<int>(pick(3));
  for (int e = 0; e < edits && !bytes.empty(); ++e) {
    const std::size_t at = pick(bytes.size() - 1);
    switch (pick(5)) {
      case 0:
        bytes[at] = static_cast<char>(random());
        break;  // any byte
      case 1:
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << pick(7)));
        break;  // one bit
      case 2:
        bytes.insert(at, 1, static_cast<char>(random()));
        break;
      case 3:
        bytes.erase(at, 1 + pick(8));
        break;
      case 4:
        bytes.resize(at);
        break;  // cut off
      default:
        bytes.replace(at, 4, "\xFF\xFF\xFF\xFF");
        break;  // huge number
    }
  }
  return bytes;
}

TEST(LoaderMutation, DamagedFilesNeverBreakTheTablesAndReloadUnchanged) {
  FakeUi ui;
  InMemorySettings settings;
  {
    CLFDoc pristine(ui, settings, {});
    pristine.Serialize(seedLibrary());
    ASSERT_FALSE(pristine.loadFailed());
    ASSERT_EQ(pristine.folderCount(), 4u);
    ASSERT_EQ(pristine.bookmarkCount(), 3u);
  }
  std::mt19937 random(20240601);
  int failed = 0;
  for (int i = 0; i < 4000; ++i) {
    const std::string bytes = mutate(seedLibrary(), random);
    CLFDoc loaded(ui, settings, {});
    {
      ScopedAllocationLimit limit(1 << 20);
      loaded.Serialize(bytes);
    }
    if (loaded.loadFailed()) ++failed;
    EXPECT_FALSE(loaded.internalError()) << "input " << i;
    EXPECT_EQ(loadedLibraryProblems(loaded), "") << "input " << i;
    CLFDoc reloaded(ui, settings, {});
    EXPECT_EQ(roundTripProblems(loaded, reloaded), "") << "input " << i;
    if (HasFailure()) break;
  }
  // The mutations must reach both the clean and the damaged paths.
  EXPECT_GT(failed, 1000);
  EXPECT_LT(failed, 4000);
  EXPECT_TRUE(ui.messages.empty());  // Serialize alone never talks to the user
}

}  // namespace
}  // namespace linkfold::test
