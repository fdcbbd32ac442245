#include <gtest/gtest.h>

#include "platform/DisplayText.h"
#include "support/CaseFile.h"

namespace linkfold {
namespace {

TEST(DisplayText, ValidUtf8StaysAndEverythingElseIsReadAsWindows1252) {
  for (const test::TestCase& c : test::readCases("display-text-cases.txt"))
    EXPECT_EQ(displayUtf8(c["bytes"]), c["shown"]) << c.what;
}

}  // namespace
}  // namespace linkfold
