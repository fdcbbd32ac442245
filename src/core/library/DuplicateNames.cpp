// Duplicate-name resolution: bookmarks in one folder must have names that differ ignoring ASCII
// case, because each becomes a file in that folder's Favorites directory.

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "library/CLFDoc.h"
#include "library/CStatDlg.h"
#include "library/LibraryIndexes.h"
#include "library/NameRules.h"
#include "platform/Text.h"

namespace linkfold {

namespace {

// One bookmark of the folder being resolved. The name is a view of the record's name, so the
// list costs no copies; a rename writes the record and points the view at its new name.
struct WorkingEntry {
  std::string_view name;
  std::uint32_t record;
};

// The name followed by " (n)"; when that would reach 50 characters, the name is cut first so
// that the result has exactly 50.
std::string numberedName(std::string_view name, std::uint32_t n) {
  const std::string suffix = " (" + std::to_string(n) + ")";
  if (utf8CharCount(name) + suffix.size() >= kMaxNameLength)
    name = utf8Prefix(name, kMaxNameLength - suffix.size());
  std::string candidate;
  candidate.reserve(name.size() + suffix.size());
  return candidate.append(name).append(suffix);
}

// The names of a working list, ignoring ASCII case, and the names given so far. A rename never
// frees the old name: the first entry of its run keeps it. Each view points at a record's name
// that no later rename changes (the first entry of a run, or a name just given).
using CurrentNames = std::unordered_set<std::string_view, NoCaseHash, NoCaseEqual>;

// Renames the repeats in one folder's working list, which is sorted by name. The first entry of
// a run of equal names keeps its name; the others get the lowest free numbers from 1 on.
class FolderResolver {
 public:
  using Report = std::function<void(std::string_view oldName, std::string_view newName)>;

  FolderResolver(std::vector<BookmarkRecord>& table, Report report)
      : table_(table), report_(std::move(report)) {}

  // Whether any bookmark was renamed so far, also when a lack of memory interrupted a walk:
  // the renames made before it stay in the table.
  bool renamedAny() const { return renamedAny_; }

  void run(std::vector<WorkingEntry>& list) {
    bool namesFilled = false;
    std::size_t j = 0;
    while (j + 1 < list.size()) {
      if (!equalsNoCase(list[j].name, list[j + 1].name)) {
        ++j;
        continue;
      }
      if (!namesFilled) {
        names_.clear();
        for (const auto& entry : list) names_.insert(entry.name);
        namesFilled = true;
      }
      std::uint32_t n = 1;
      std::size_t m = j + 1;
      while (true) {
        std::string candidate = numberedName(list[m].name, n);
        while (names_.contains(candidate)) candidate = numberedName(list[m].name, ++n);
        report_(list[m].name, candidate);
        rename(list[m], std::move(candidate));
        if (m + 1 == list.size() || !equalsNoCase(list[m + 1].name, list[j].name)) break;
        ++m;
        ++n;
      }
      j = m + 1;
    }
  }

 private:
  void rename(WorkingEntry& entry, std::string newName) {
    std::string& stored = table_[entry.record].name;
    stored = std::move(newName);
    entry.name = stored;
    names_.insert(stored);
    renamedAny_ = true;
  }

  std::vector<BookmarkRecord>& table_;
  Report report_;
  CurrentNames names_;  // kept from folder to folder, so its storage is reused
  bool renamedAny_ = false;
};

void logParts(CLFDoc& doc, std::initializer_list<std::string_view> parts) {
  for (const auto part : parts) doc.logLine(part);
}

bool byNameNoCase(const WorkingEntry& a, const WorkingEntry& b) {
  return compareNoCase(a.name, b.name) < 0;
}

}  // namespace

bool CLFDoc::resolveDuplicateNames() {
  logLine("\nResolving duplicate bookmarks:\n\n");
  const auto report = [this](std::string_view oldName, std::string_view newName) {
    logParts(*this, {"  Duplicate  \"", oldName, "\"\n  renamed to \"", newName, "\"\n\n"});
    setAdjustmentFlag();
  };

  bool outOfMemory = false;
  std::optional<BookmarksByFolder> buckets;
  std::vector<WorkingEntry> list;
  FolderResolver resolver(bookmarks_, report);
  try {
    buckets.emplace(bookmarks_, folderCount());
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  for (std::uint32_t f = 0; f < folderCount() && !outOfMemory; ++f) {
    if (f == 0)
      logLine("Processing Root Folder\n");
    else
      logParts(*this, {"Processing ", folders_[f].path, "\n"});
    const auto records = buckets->of(f);
    if (records.size() < 2) continue;
    try {
      list.clear();
      for (const auto r : records) list.push_back({bookmarks_[r].name, r});
      // After the table's own sort, every folder's list is already in order.
      if (!std::is_sorted(list.begin(), list.end(), byNameNoCase))
        std::stable_sort(list.begin(), list.end(), byNameNoCase);
      resolver.run(list);
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    }
  }
  const bool anyRenamed = resolver.renamedAny();

  if (outOfMemory)
    logFatal("CLFDoc::resolveDuplicateNames:\nOut of memory; some duplicate names remain");
  else if (!anyRenamed)
    logLine("\nNo duplicates bFound.\n");
  if (anyRenamed) {
    contentChanged_ = true;
    bookmarksChanged();
  }
  return anyRenamed;
}

void CLFDoc::sortAndResolve() {
  const auto show = [this](const char* text) {
    if (status_) status_->setText(text);
  };
  show("Sorting...");
  sortBookmarks();
  show("Resolving duplicate names...");
  if (!resolveDuplicateNames()) return;
  show("Duplicate names resolved. Re-sorting...");
  sortBookmarks();
}

}  // namespace linkfold
