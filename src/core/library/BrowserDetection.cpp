#include "library/BrowserDetection.h"

#include "platform/Text.h"

namespace linkfold {

std::size_t BrowserDetection::favoritesPathLength() const { return utf8CharCount(favoritesPath); }

}  // namespace linkfold
