#include "LibraryGenerator.h"

#include <string>
#include <vector>

namespace linkfold::bench {

namespace {

// splitmix64: fast, and the same numbers on every platform, unlike the standard distributions.
// Small draws take their bits from a pool, so that a letter costs a shift and not a full draw.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint32_t bits(unsigned count) {
    if (poolBits_ < count) {
      pool_ = next();
      poolBits_ = 64;
    }
    const auto value = static_cast<std::uint32_t>(pool_ & ((1u << count) - 1));
    pool_ >>= count;
    poolBits_ -= count;
    return value;
  }
  std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(next() % n); }
  std::uint32_t between(std::uint32_t low, std::uint32_t high) {
    return low + below(high - low + 1);
  }
  bool percent(std::uint32_t chance) { return bits(7) * 100 < chance * 128; }
  char letter() { return static_cast<char>('a' + bits(5) % 26); }

 private:
  std::uint64_t state_;
  std::uint64_t pool_ = 0;
  unsigned poolBits_ = 0;
};

// Words of two to nine lower-case letters with a capital first letter, separated by blanks.
void randomWords(Random& random, std::uint32_t length, std::string& out) {
  out.clear();
  while (out.size() < length) {
    if (!out.empty()) out += ' ';
    for (std::uint32_t n = 2 + random.bits(3); n > 0 && out.size() < length; --n)
      out += out.empty() || out.back() == ' ' ? static_cast<char>(random.letter() - 'a' + 'A')
                                              : random.letter();
  }
  if (!out.empty() && out.back() == ' ') out.back() = random.letter();  // names are trimmed
}

void randomUrl(Random& random, std::string& out) {
  static constexpr char kPathChars[] = "abcdefghijklmnopqrstuvwxyz0123456789/-_.";
  out = "http://www.";
  for (std::uint32_t i = random.between(6, 14); i > 0; --i) out += random.letter();
  out += ".example/";
  for (std::uint32_t i = random.between(8, 30); i > 0; --i)
    out += kPathChars[random.bits(6) % (sizeof kPathChars - 1)];
}

// Folder paths, each parent before its children, none deeper than maxDepth. Sibling names
// end in the folder's number, so paths never repeat.
std::vector<std::string> folderPaths(Random& random, const LibraryShape& shape) {
  std::vector<std::string> paths{kRootPath};
  std::vector<std::uint32_t> depth{0};
  std::string name;
  while (paths.size() < shape.folders) {
    std::uint32_t parent = random.below(static_cast<std::uint32_t>(paths.size()));
    while (depth[parent] >= shape.maxDepth) --parent;  // the root is never too deep
    randomWords(random, random.between(4, 30), name);
    const std::string prefix = parent == 0 ? std::string() : paths[parent];
    paths.push_back(prefix + name + " " + std::to_string(paths.size()) + "\\");
    depth.push_back(depth[parent] + 1);
  }
  return paths;
}

// How many bookmarks each folder gets: about the same number, with some folders much fuller.
std::vector<std::uint32_t> bookmarkCounts(Random& random, const LibraryShape& shape) {
  const std::uint32_t folders = shape.folders;
  std::vector<std::uint32_t> counts(folders, shape.bookmarks / folders);
  for (std::uint32_t f = 0; f < shape.bookmarks % folders; ++f) ++counts[f];
  for (std::uint32_t f = 0; f < folders; ++f) {
    const std::uint32_t moved = random.below(counts[f] / 2 + 1);
    counts[f] -= moved;
    counts[random.below(folders)] += moved;
  }
  return counts;
}

}  // namespace

bool generateLibrary(CLFDoc& doc, const LibraryShape& shape) {
  Random random(shape.seed);
  const std::vector<std::string> paths = folderPaths(random, shape);
  const std::vector<std::uint32_t> counts = bookmarkCounts(random, shape);

  std::string name, url, description;
  std::vector<std::string> namesInFolder;
  for (std::uint32_t f = 0; f < paths.size(); ++f) {
    std::uint32_t folder = 0;
    if (!doc.addFolder(paths[f], f == 0, &folder) || folder != f) return false;
    namesInFolder.clear();
    for (std::uint32_t i = 0; i < counts[f]; ++i) {
      if (!namesInFolder.empty() && random.percent(shape.duplicatePercent)) {
        name = namesInFolder[random.below(static_cast<std::uint32_t>(namesInFolder.size()))];
        name[0] = static_cast<char>(name[0] ^ 0x20);  // the same name in another case
      } else {
        randomWords(random, random.between(shape.minNameLength, shape.maxNameLength), name);
        namesInFolder.push_back(name);
      }
      randomUrl(random, url);
      description.clear();
      if (random.percent(10)) randomWords(random, random.between(20, 80), description);
      const auto date = static_cast<std::uint32_t>(900'000'000 + random.below(100'000'000));
      if (!doc.addBookmark(folder, name, url, description, date, date, date)) return false;
    }
  }
  return true;
}

}  // namespace linkfold::bench
