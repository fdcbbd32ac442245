#pragma once
// The core's own texts (menu items, prompts, setting names) are UTF-8.

#include <QString>
#include <string_view>

namespace linkfold::gui {

inline QString fromCore(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace linkfold::gui
