#include "tools/WeedDuplicates.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "library/CLFDoc.h"
#include "library/CStatDlg.h"
#include "library/UndoRecorder.h"
#include "tools/WeedDialog.h"
#include "view/CLFView.h"

namespace linkfold {

namespace {

constexpr const char* kNoMemory = "Insufficient free memory to perform this operation.";
constexpr const char* kNoDuplicates = "No duplicate URLs found.";
constexpr const char* kAllKept = "All duplicate items were selected,\nso none will be removed.";
constexpr const char* kCancelled = "Operation cancelled!";

std::string removalQuestion(std::uint32_t count) {
  return std::to_string(count) + " bookmarks will be removed.\n\nProceed?";
}

// Every step that allocates (the working list, the groups, the dialog's rows) comes before the
// first removal, so running out of memory leaves the library as it was.
bool weed(CLFView& view, CStatDlg& status) {
  CLFDoc& doc = view.document();
  UiPort& ui = view.ui();
  DuplicateSearch search(doc.bookmarkCount());
  status.center();
  status.setText("Building working URL list...");
  search.buildList(doc);
  status.setText("Sorting...");
  search.sortList();
  status.setText("Searching...");
  search.findGroups();
  status.hide();
  if (search.groups.empty()) {
    ui.inform(kNoDuplicates);
    return false;
  }

  WeedDialog dialog(doc, search.list, search.groups, doc.settings());
  if (!ui.runDialog(dialog)) {
    dialog.reject();
    return false;
  }
  if (dialog.removeCount() == 0) {
    ui.inform(kAllKept);
    return false;
  }
  if (!ui.askYesNo(removalQuestion(dialog.removeCount()))) {
    ui.inform(kCancelled);
    return false;
  }
  status.setText("Removing marked items...");
  removeMarkedBookmarks(doc, search.list);
  return true;
}

}  // namespace

CommandState OnUpdateWeedDuplicates(const CLFView& view) {
  CommandState state;
  state.enabled = view.document().bookmarkCount() >= 2;
  return state;
}

void OnWeedDuplicates(CLFView& view) {
  if (!OnUpdateWeedDuplicates(view).enabled) return;
  if (WeedDuplicates(view)) view.OnUpdate();
}

bool WeedDuplicates(CLFView& view) {
  try {
    // Made inside the try: making the status window can run out of memory too.
    CStatDlg status(view.ui());
    return weed(view, status);
  } catch (const std::bad_alloc&) {
    view.ui().showMessage({kNoMemory, MessageIcon::Exclamation});
    return false;
  }
}

void removeMarkedBookmarks(CLFDoc& doc, std::span<UrlEntry> sorted) {
  // Removing the marked records one by one in list order, each time lowering the later
  // entries' indexes, removes exactly this set of records.
  std::vector<std::uint32_t> marked;
  for (const UrlEntry& entry : sorted)
    if (entry.removalMark == 1) marked.push_back(entry.bookmark);
  std::sort(marked.begin(), marked.end());
  if (marked.empty()) return;
  EditRecorder recorder(doc, "Weed Duplicates");
  recorder.removingBookmarks(marked);
  doc.removeBookmarks(marked);
  recorder.commit({}, {});
}

}  // namespace linkfold
