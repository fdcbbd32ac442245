#pragma once
// Case folding for Find's case-insensitive search. Names elsewhere compare with ASCII folding
// only; Find folds letter case for all of Unicode when a text is UTF-8.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace linkfold {

// The code point's simple (one-to-one) lower-case mapping, or the code point itself. Capital I
// with dot above (U+0130) becomes a plain "i" and capital I becomes "i", not the dotless
// Turkish "ı" (U+0131), which has no lower-case mapping of its own: the mapping does not depend
// on a language. Final sigma "ς" stays as it is, while capital sigma becomes "σ".
char32_t simpleLowerCase(char32_t c);

bool isValidUtf8(std::string_view text);

// The lower-cased copy of a text that Find compares: when the whole text is valid UTF-8, every
// code point is replaced by its simple lower-case mapping (so the byte length may change);
// otherwise only the ASCII letters A-Z are lowered and every other byte is kept, as single-byte
// legacy text was treated before. A field contains the search text, ignoring case, when
// caseFolded(field) contains caseFolded(text).
std::string caseFolded(std::string_view text);

// A run of code points with one lower-case offset: first, first + stride, ... up to last each
// map to themselves plus offset. The generated table holds the runs sorted and apart.
struct LowerCaseRun {
  char32_t first;
  char32_t last;
  std::int32_t offset;
  std::uint8_t stride;  // 1 or 2
};
std::span<const LowerCaseRun> lowerCaseRuns();

}  // namespace linkfold
