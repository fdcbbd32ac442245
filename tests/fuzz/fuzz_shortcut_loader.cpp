// libFuzzer target for the shortcut loader: any bytes must give either no URL or one without
// control characters, and any URL the shortcut accepts must read back unchanged from the text
// it writes.

#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "browsers/favorites/ShortcutText.h"

using linkfold::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> url = linkfold::shortcutUrl(bytes);
  if (url) {
    require(!url->empty(), "an empty URL was read");
    require(!linkfold::hasControlCharacter(*url), "a URL holds a control character");
  }
  // The text taken as a URL to store: what is stored must come back whole.
  if (!bytes.empty() && !linkfold::hasControlCharacter(bytes) && bytes.front() != ' ' &&
      bytes.back() != ' ') {
    const std::string stored = linkfold::withGuessedProtocol(bytes);
    const std::optional<std::string> readBack =
        linkfold::shortcutUrl("[InternetShortcut]\r\nURL=" + stored + "\r\n");
    require(readBack == stored, "a stored URL reads back changed");
  }
  return 0;
}
