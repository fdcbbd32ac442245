#pragma once
// The tree's filter: which bookmarks hold a text in their name or URL, ignoring case, and which
// folders the tree then shows (those that hold a match somewhere below them). Built for typing:
// the folded texts of every bookmark are made once per library revision and searched as one
// block, and a text that grows by a keystroke is only looked for among the previous matches.
// The search itself touches nothing but its own inputs, so it can run on a worker thread while
// the library goes on changing; a newer search supersedes the older ones.

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace linkfold {

class CLFDoc;

// The folded "name\0url\0" of every bookmark at one revision of the library, one after another.
// Made on the thread that owns the library, then only read.
class FoldedBookmarks {
 public:
  explicit FoldedBookmarks(const CLFDoc& doc);
  std::uint64_t revision() const { return revision_; }
  std::size_t count() const { return starts_.size() - 1; }
  const std::string& texts() const { return texts_; }
  // Where bookmark b's texts begin; starts()[count()] is the end of the last.
  const std::vector<std::uint32_t>& starts() const { return starts_; }

 private:
  std::uint64_t revision_;
  std::string texts_;
  std::vector<std::uint32_t> starts_;
};

// What one search found.
struct FilterMatches {
  std::uint64_t revision = 0;            // of the texts searched
  std::string needle;                    // the folded text looked for
  std::vector<std::uint32_t> bookmarks;  // ascending table indexes
};

// Each start() supersedes every run started before it; a run asks its token, from any thread,
// whether it still matters.
class FilterRuns {
 public:
  class Token {
   public:
    // A token that nothing supersedes.
    Token() = default;
    bool superseded() const {
      return latest_ && latest_->load(std::memory_order_relaxed) != serial_;
    }

   private:
    friend class FilterRuns;
    Token(std::shared_ptr<const std::atomic<std::uint64_t>> latest, std::uint64_t serial)
        : latest_(std::move(latest)), serial_(serial) {}
    std::shared_ptr<const std::atomic<std::uint64_t>> latest_;
    std::uint64_t serial_ = 0;
  };
  Token start();
  // Supersedes every run without starting one.
  void supersedeAll() { latest_->fetch_add(1); }

 private:
  std::shared_ptr<std::atomic<std::uint64_t>> latest_ =
      std::make_shared<std::atomic<std::uint64_t>>(0);
};

// The bookmarks whose name or URL contains `text`, ignoring case (an empty text matches every
// bookmark). `previous`, when it searched the same texts for a needle the new one contains,
// narrows the search to its matches. Nothing when the token was superseded on the way.
std::optional<FilterMatches> matchBookmarks(const FoldedBookmarks& folded, std::string_view text,
                                            const FilterMatches* previous,
                                            const FilterRuns::Token& token = {});

// Per folder index: whether the folder holds one of `matches` itself or below it. The root is
// always shown.
std::vector<char> foldersShown(const CLFDoc& doc, const std::vector<std::uint32_t>& matches);

// The filter's state between keystrokes, on the thread that owns the library.
class BookmarkFilter {
 public:
  // One keystroke's search: everything a worker needs and nothing it shares with the library.
  struct Job {
    std::shared_ptr<const FoldedBookmarks> folded;
    std::string text;
    std::shared_ptr<const FilterMatches> previous;
    FilterRuns::Token token;
    std::optional<FilterMatches> run() const {
      return matchBookmarks(*folded, text, previous.get(), token);
    }
  };
  enum class Outcome { Taken, Superseded, Stale };

  // Folds the library's texts, unless they were folded at its current revision.
  void prepare(const CLFDoc& doc);
  // A job for `text`; it supersedes every job made before.
  Job start(const CLFDoc& doc, std::string_view text);
  // A finished job's result becomes the current one, unless a newer job started since (or the
  // run was cut short) or the library changed since its texts were folded.
  Outcome accept(const CLFDoc& doc, const Job& job, std::optional<FilterMatches> result);
  // Searches for `text` at once on this thread, leaving the jobs under way as they are, and
  // makes the result the current one.
  void matchNow(const CLFDoc& doc, std::string_view text);
  // Supersedes every job made so far.
  void supersede() { runs_.supersedeAll(); }
  // Supersedes every job and forgets the current result.
  void stop();
  // The last result taken; null when there is none.
  const FilterMatches* current() const { return current_.get(); }

 private:
  std::shared_ptr<const FoldedBookmarks> folded_;
  std::shared_ptr<const FilterMatches> current_;
  FilterRuns runs_;
};

}  // namespace linkfold
