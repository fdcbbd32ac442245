// Duplicate-name resolution: bookmarks in one folder must have names that differ ignoring ASCII
// case, because each becomes a file in that folder's Favorites directory.

#include <algorithm>
#include <bit>
#include <functional>
#include <initializer_list>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "library/CLFDoc.h"
#include "library/CStatDlg.h"
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

// The record indexes of every folder's bookmarks, each folder's in table order, gathered in one
// pass over the table. Records whose folder index is out of range belong to no folder.
class FolderBuckets {
 public:
  FolderBuckets(const std::vector<BookmarkRecord>& table, std::uint32_t folderCount)
      : start_(std::size_t{folderCount} + 1, 0) {
    for (const auto& record : table)
      if (record.folder < folderCount) ++start_[record.folder + 1];
    for (std::size_t f = 1; f < start_.size(); ++f) start_[f] += start_[f - 1];
    records_.resize(start_.back());
    std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
    for (std::uint32_t i = 0; i < table.size(); ++i)
      if (table[i].folder < folderCount) records_[next[table[i].folder]++] = i;
  }

  std::span<const std::uint32_t> of(std::uint32_t folder) const {
    return std::span(records_).subspan(start_[folder], start_[folder + 1] - start_[folder]);
  }

 private:
  std::vector<std::uint32_t> start_;  // folder f's records are records_[start_[f], start_[f+1])
  std::vector<std::uint32_t> records_;
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

std::uint64_t hashNoCase(std::string_view text) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (const char c : text) h = (h ^ asciiLower(static_cast<unsigned char>(c))) * 1099511628211ull;
  return h;
}

// The current names of a working list, ignoring ASCII case, as an open-addressing table of
// entry positions: a name is taken while any entry, renamed or not, carries it.
class CurrentNames {
 public:
  void fill(const std::vector<WorkingEntry>& list) {
    // Every entry but the first of the list can be renamed once, and each rename leaves one
    // tombstone, so four slots per entry keep the table at most half full.
    std::size_t size = 16;
    while (size < 4 * list.size()) size *= 2;
    slots_.assign(size, Slot{kEmpty, 0});
    shift_ = 64 - static_cast<unsigned>(std::countr_zero(size));
    for (std::uint32_t i = 0; i < list.size(); ++i) insert(list[i].name, i);
  }
  bool contains(const std::vector<WorkingEntry>& list, std::string_view name) const {
    const std::uint64_t h = hashNoCase(name);
    for (std::size_t s = home(h);; s = next(s)) {
      const Slot& slot = slots_[s];
      if (slot.entry == kEmpty) return false;
      if (slot.entry != kRemoved && slot.tag == tag(h) && equalsNoCase(list[slot.entry].name, name))
        return true;
    }
  }
  void remove(std::string_view name, std::uint32_t entry) {
    for (std::size_t s = home(hashNoCase(name));; s = next(s)) {
      if (slots_[s].entry == entry) {
        slots_[s].entry = kRemoved;
        return;
      }
    }
  }
  void insert(std::string_view name, std::uint32_t entry) {
    const std::uint64_t h = hashNoCase(name);
    std::size_t s = home(h);
    while (slots_[s].entry != kEmpty) s = next(s);
    slots_[s] = Slot{entry, tag(h)};
  }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  static constexpr std::uint32_t kRemoved = 0xFFFFFFFE;
  struct Slot {
    std::uint32_t entry;
    std::uint32_t tag;  // low half of the name's hash, to skip most name comparisons
  };

  std::size_t home(std::uint64_t h) const { return (h * 0x9E3779B97F4A7C15ull) >> shift_; }
  std::size_t next(std::size_t s) const { return (s + 1) & (slots_.size() - 1); }
  static std::uint32_t tag(std::uint64_t h) { return static_cast<std::uint32_t>(h); }

  std::vector<Slot> slots_;
  unsigned shift_ = 60;
};

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
      if (!namesFilled) names_.fill(list);
      namesFilled = true;
      std::uint32_t n = 1;
      std::size_t m = j + 1;
      while (true) {
        std::string candidate = numberedName(list[m].name, n);
        while (names_.contains(list, candidate)) candidate = numberedName(list[m].name, ++n);
        report_(list[m].name, candidate);
        rename(list, static_cast<std::uint32_t>(m), std::move(candidate));
        if (m + 1 == list.size() || !equalsNoCase(list[m + 1].name, list[j].name)) break;
        ++m;
        ++n;
      }
      j = m + 1;
    }
  }

 private:
  void rename(std::vector<WorkingEntry>& list, std::uint32_t m, std::string newName) {
    names_.remove(list[m].name, m);
    std::string& stored = table_[list[m].record].name;
    stored = std::move(newName);
    list[m].name = stored;
    names_.insert(stored, m);
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
    adjustment_ = true;
  };

  bool outOfMemory = false;
  std::optional<FolderBuckets> buckets;
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
    bookmarkIndex_.invalidate();
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
