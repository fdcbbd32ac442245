#pragma once
// The choice of the Netscape 4.x profile: the list of usable profiles (from the registry, or
// from the profile directories under the system drive when the registry lists none), the
// decision by the list's size, and the profile dialog.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "browsers/detection/BrowserDetector.h"
#include "browsers/detection/EnvironmentExpansion.h"

namespace linkfold {

inline constexpr const char* kNoUsableProfile =
    "Linkfold has located settings for one or more Netscape 4.x user profiles.\n"
    "However, either the files and folders specified in your Registry do not exist\n"
    "or you do not have permission to access them.";
inline constexpr const char* kOnlyOneUsableProfile =
    "Linkfold has located settings for multiple Netscape 4.x\n"
    "user profiles, but only one user profile can be accessed.";

struct ProfileList {
  std::vector<std::string> usable;  // names whose bookmark file is usable, as found
  // Registry: the profiles with a readable "DirRoot", usable or not. Fallback: the usable
  // profile directories.
  std::size_t registeredCount = 0;
  std::optional<std::string> fallbackBase;  // set in fallback mode: the directory scanned
};

// The profiles of the registry's users key; nothing when the key cannot be enumerated.
std::optional<ProfileList> listRegistryProfiles(const Registry& registry,
                                                const VariableLookup& variable);
// The profile directories of <system drive>/Program Files/Netscape/Users/.
ProfileList listFallbackProfiles(const std::string& systemDrive);

// Sets the Netscape 4.x fields of `results`: shows the messages and the dialog the list calls
// for; Netscape 4.x stays off unless a profile was accepted.
void chooseNetscape4Profile(const Registry& registry, UiPort& ui,
                            const DetectionEnvironment& environment, BrowserDetection& results);

}  // namespace linkfold
