#pragma once
// Browser detection: where the Favorites folder, the Netscape 3.x bookmark file and the chosen
// Netscape 4.x profile's bookmark file are. It runs once, when the library document is made.

#include <functional>
#include <optional>
#include <string>

#include "browsers/detection/Registry.h"
#include "library/BrowserDetection.h"
#include "platform/UiPort.h"

namespace linkfold {

struct DetectionEnvironment {
  std::function<std::optional<std::string>(const std::string&)> variable;  // the environment
  std::string systemDrive;  // stands in for the drive of the Windows directory; empty: none
  std::function<bool()> shortcutObjectAvailable;  // the MSIE test
  static DetectionEnvironment fromProcess();      // getenv, LINKFOLD_SYSTEM_DRIVE, always available
};

BrowserDetection Detect_Browsers(const Registry& registry, UiPort& ui,
                                 const DetectionEnvironment& environment);

}  // namespace linkfold
