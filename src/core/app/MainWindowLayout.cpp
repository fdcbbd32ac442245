#include "app/MainWindowLayout.h"

#include <algorithm>
#include <cstdint>

namespace linkfold {

Rect firstStartRect(const Rect& workArea) {
  const Rect work = normalized(workArea);
  const std::int64_t workWidth = std::int64_t{work.right} - work.left;
  const std::int64_t workHeight = std::int64_t{work.bottom} - work.top;
  const std::int64_t width = std::max<std::int64_t>(workWidth * 2 / 3, kMainWindowMinimum.width);
  const std::int64_t height =
      std::max<std::int64_t>(workHeight * 2 / 3, kMainWindowMinimum.height);
  const std::int64_t left = work.left + std::max<std::int64_t>((workWidth - width) / 2, 0);
  const std::int64_t top = work.top + std::max<std::int64_t>((workHeight - height) / 2, 0);
  return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
          static_cast<std::int32_t>(left + width), static_cast<std::int32_t>(top + height)};
}

}  // namespace linkfold
