#pragma once
// The text rules of shortcut files: finding the URL in the INI text and completing a URL that
// lacks its protocol.

#include <optional>
#include <string>
#include <string_view>

namespace linkfold {

// The URL of the shortcut text: "URL=" of "[InternetShortcut.W]" (UTF-7, decoded) when present and
// well-formed, else "URL=" of "[InternetShortcut]"; none when neither holds a usable one. Section
// and key names ignore letter case; other sections and keys are passed over. A URL holding a
// control character is not used: it could add lines wherever the URL is written.
std::optional<std::string> shortcutUrl(std::string_view text);

// Below 0x20, or DEL.
bool hasControlCharacter(std::string_view text);

// "www.example.com" gives "http://www.example.com", "ftp.example.com" "ftp://ftp.example.com";
// a URL that names its protocol ("mailto:", "https:") stays as it is.
std::string withGuessedProtocol(std::string_view url);

}  // namespace linkfold
