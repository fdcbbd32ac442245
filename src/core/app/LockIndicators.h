#pragma once
// The Caps Lock, Num Lock and Scroll Lock panes: where their states can be known, and the state
// a key press leaves them in.

#include <cstdint>
#include <string_view>

#include "app/MainMenu.h"

namespace linkfold {

// True on window systems whose key events carry the keyboard's modifier mask laid out as the
// X Keyboard extension lays it out (Lock is Caps Lock, Mod2 is Num Lock): X11 ("xcb") and
// Wayland ("wayland"), whose keyboards are X Keyboard maps too. Elsewhere the state cannot be
// known and the panes are hidden rather than show a wrong one.
bool lockStatesKnown(std::string_view platformName);

// A lock's state after a key press. The mask sent with a key holds the state before it, so the
// lock's own key turns it over; Scroll Lock has no bit and follows its key from `before`.
bool lockStateAfterKey(LockKey lock, std::uint32_t nativeModifiers, bool isLockKey, bool before);

}  // namespace linkfold
