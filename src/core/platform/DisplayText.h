#pragma once
// The text the window shows for stored bytes: UTF-8 as it stands when the bytes are valid UTF-8,
// otherwise the bytes read as Windows-1252, the code page the old libraries were written in.

#include <string>
#include <string_view>

namespace linkfold {

// Every byte as its Windows-1252 character, in UTF-8. The five bytes that code page leaves
// undefined become the control characters of the same number, as Windows converts them.
std::string windows1252ToUtf8(std::string_view bytes);

// The bytes themselves when they are valid UTF-8, else windows1252ToUtf8(bytes).
std::string displayUtf8(std::string_view bytes);

}  // namespace linkfold
