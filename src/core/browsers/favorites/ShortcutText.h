#pragma once
// The text rules of shortcut files: finding the URL in the INI text and completing a URL that
// lacks its protocol.

#include <optional>
#include <string>
#include <string_view>

namespace linkfold {

// The URL of the shortcut text: "URL=" of "[InternetShortcut.W]" (UTF-7, decoded) when present and
// well-formed, else "URL=" of "[InternetShortcut]"; none when neither holds a non-empty one.
// Section and key names ignore letter case; other sections and keys are passed over.
std::optional<std::string> shortcutUrl(std::string_view text);

// "www.example.com" gives "http://www.example.com", "ftp.example.com" "ftp://ftp.example.com";
// a URL that names its protocol ("mailto:", "https:") stays as it is.
std::string withGuessedProtocol(std::string_view url);

}  // namespace linkfold
