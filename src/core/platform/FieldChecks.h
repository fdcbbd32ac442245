#pragma once
// The dialog framework's own checks of a field on OK; each shows its message with the
// exclamation icon, as the framework does, and returns false to keep the dialog open.

#include <cstddef>
#include <string_view>

namespace linkfold {

class UiPort;

// At most maxChars characters (UTF-8 characters; an invalid byte counts as one).
bool checkMaxChars(UiPort& ui, std::string_view text, std::size_t maxChars);

}  // namespace linkfold
