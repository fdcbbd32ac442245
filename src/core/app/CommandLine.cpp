#include "app/CommandLine.h"

#include <string_view>

#include "platform/Text.h"

namespace linkfold {

namespace {

constexpr std::string_view kUninstallSwitch = "/uninstall";
constexpr std::string_view kRegistryOption = "--registry";

bool isUninstallSwitch(const std::string& argument) {
  return equalsNoCase(argument, kUninstallSwitch);
}

}  // namespace

StartupRequest parseCommandLine(std::span<const std::string> arguments) {
  StartupRequest request;
  std::string commandLine;
  for (const auto& argument : arguments) commandLine += argument + ' ';
  request.uninstall = asciiLowered(commandLine).find(kUninstallSwitch) != std::string::npos;

  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size() && request.error.empty(); ++i) {
    const std::string& argument = arguments[i];
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument == kRegistryOption) {
      if (i + 1 == arguments.size())
        request.error = "--registry needs a file name";
      else
        request.registryFile = arguments[++i];
    } else if (!optionsEnded && argument.starts_with(std::string(kRegistryOption) + "=")) {
      request.registryFile = argument.substr(kRegistryOption.size() + 1);
    } else if (!optionsEnded && isUninstallSwitch(argument)) {
      // Handled above, wherever it stands.
    } else if (!optionsEnded && argument.size() > 1 && argument.starts_with("-")) {
      request.error = "unknown option " + argument;
    } else if (request.file) {
      request.error = "only one library file can be opened: " + argument;
    } else {
      request.file = argument;
    }
  }
  return request;
}

const char* informationRequest(std::span<const std::string> arguments) {
  for (const auto& argument : arguments) {
    if (argument == "--") return nullptr;
    if (argument == "--help") return kUsage;
    if (argument == "--version") return kVersion;
  }
  return nullptr;
}

}  // namespace linkfold
