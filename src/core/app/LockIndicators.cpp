#include "app/LockIndicators.h"

namespace linkfold {

namespace {

constexpr std::uint32_t kLockMask = 1u << 1;
constexpr std::uint32_t kMod2Mask = 1u << 4;

}  // namespace

bool lockStatesKnown(std::string_view platformName) {
  return platformName == "xcb" || platformName == "wayland";
}

bool lockStateAfterKey(LockKey lock, std::uint32_t nativeModifiers, bool isLockKey, bool before) {
  bool on = before;
  if (lock == LockKey::Caps) on = (nativeModifiers & kLockMask) != 0;
  if (lock == LockKey::Num) on = (nativeModifiers & kMod2Mask) != 0;
  return isLockKey ? !on : on;
}

}  // namespace linkfold
