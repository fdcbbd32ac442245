#pragma once
// The library's texts in the dialogs' fields. A field shows the bytes as the core's display
// rule reads them (UTF-8, or Windows-1252 when they are not valid UTF-8); an edited field goes
// back as UTF-8, an unedited one as the bytes it showed.

#include <QString>
#include <string>
#include <string_view>

namespace linkfold::gui {

QString toDisplay(std::string_view bytes);
// The original bytes when the field still shows them, so that an untouched legacy text is not
// rewritten; otherwise the field's text as UTF-8.
std::string fromDisplay(const QString& shown, std::string_view original);

}  // namespace linkfold::gui
