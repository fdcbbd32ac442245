#pragma once
// Character references in Netscape bookmark files: browsers write "&amp;", "&lt;", "&gt;" and
// "&quot;" (often "&#39;" too) for the characters that would read as markup, so the reader
// decodes them and the writer writes them.

#include <string>
#include <string_view>

namespace linkfold {

// Decodes "&amp;" "&lt;" "&gt;" "&quot;" "&apos;", decimal "&#N;" (1 to 7 digits) and
// hexadecimal "&#xH;" / "&#XH;" (1 to 6 digits) for code points U+0001 to U+10FFFF other than
// surrogates, written as UTF-8. Anything else, such as "AT&T", "&copy;" or "&#0;", stays.
std::string decodeCharacterReferences(std::string_view text);
// The same, appended to `out`.
void appendDecoded(std::string& out, std::string_view text);
// The decoded text: `text` itself when it holds no ampersand, else decoded into `storage`.
std::string_view decodedView(std::string_view text, std::string& storage);

// Where a written text stands in the file, which decides what must be escaped.
enum class EscapedField {
  Text,         // a name or title on one line: & < > " and a line feed
  Url,          // inside HREF="...": & and a line feed; a double quote as %22
  Description,  // lines after "<DD>": & < > "; its line feeds stay line ends
};
// Appends `text` with the characters its field cannot carry as they are written as references.
// A byte 0x1A, which ends a file on reading, is written as "&#26;" in every field.
void appendEscaped(std::string& out, std::string_view text, EscapedField field);
// Whether appendEscaped would change anything: most texts hold nothing to escape.
bool needsEscaping(std::string_view text, EscapedField field);

}  // namespace linkfold
