#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

// Folder indexes: A 1, Gone 2, B 3, B\Deep 4, C 5; bookmark indexes in the order added, so
// that folder and bookmark indexes overlap. Removals from the library itself are covered by
// the Delete tests; these cover how far each walk reaches.
class Renumbering : public ViewTest {
 protected:
  void SetUp() override {
    for (const char* path : {"A\\", "Gone\\", "B\\", "B\\Deep\\", "C\\"}) folder(path);
    const std::pair<std::uint32_t, const char*> marks[] = {
        {1, "a1"}, {4, "deep1"}, {0, "root1"}, {3, "b1"}, {5, "c1"}, {4, "deep2"}, {1, "a2"}};
    for (const auto& [f, name] : marks) bookmark(f, name, "http://x/");
    view.OnUpdate();
  }
  std::vector<std::uint32_t> dataOf(const std::vector<std::string>& paths) {
    std::vector<std::uint32_t> out;
    for (const auto& p : paths) out.push_back(view.tree().data(item("Root Folder" + p)));
    return out;
  }
};

TEST_F(Renumbering, TheBookmarkWalkCoversOnlyTheBookmarksBelowTheStartItem) {
  view.RenumberBookmarkItems(item("Root Folder/B"), 0);
  EXPECT_EQ(dataOf({"/B", "/B/Deep", "/B/b1", "/B/Deep/deep1", "/B/Deep/deep2", "/A/a1", "/A/a2",
                    "/root1", "/C/c1"}),
            (std::vector<std::uint32_t>{3, 4, 2, 0, 4, 0, 6, 2, 4}));
  view.RenumberBookmarkItems(deadItem(), 0);  // an item gone: nothing
  EXPECT_EQ(dataOf({"/B/b1", "/A/a2"}), (std::vector<std::uint32_t>{2, 6}));
}

TEST_F(Renumbering, TheFolderWalkCoversTheStartItemAndItsFollowingSiblings) {
  // Siblings in display order: A, B, C, Gone, root1. Starting at B leaves A alone; bookmark
  // items carry bookmark indexes and are never touched by the folder walk.
  view.RenumberFolderItems(item("Root Folder/B"), 1);
  EXPECT_EQ(dataOf({"/A", "/B", "/B/Deep", "/C", "/Gone", "", "/root1", "/B/b1", "/B/Deep/deep2"}),
            (std::vector<std::uint32_t>{1, 2, 3, 4, 1, 0, 2, 3, 5}));
}

}  // namespace
}  // namespace linkfold::test
