#include "app/CommandLine.h"

#include <string_view>

#include "platform/Text.h"

namespace linkfold {

namespace {

constexpr std::string_view kUninstallSwitch = "/uninstall";

// The options that take a value, as "--name VALUE" or "--name=VALUE".
struct ValueOption {
  std::string_view name;
  std::optional<std::string> StartupRequest::*field;
  std::string_view missing;
};
constexpr ValueOption kValueOptions[] = {
    {"--registry", &StartupRequest::registryFile, "--registry needs a file name"},
    {"--home", &StartupRequest::home, "--home needs a folder name"},
};

bool isUninstallSwitch(const std::string& argument) {
  return equalsNoCase(argument, kUninstallSwitch);
}

// Takes the value option at arguments[i] (and its value); false when it is none.
bool takeValueOption(std::span<const std::string> arguments, std::size_t& i,
                     StartupRequest& request) {
  const std::string& argument = arguments[i];
  for (const ValueOption& option : kValueOptions) {
    if (argument == option.name) {
      if (i + 1 == arguments.size())
        request.error = option.missing;
      else
        request.*option.field = arguments[++i];
      return true;
    }
    if (argument.starts_with(std::string(option.name) + "=")) {
      request.*option.field = argument.substr(option.name.size() + 1);
      return true;
    }
  }
  return false;
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
    } else if (!optionsEnded && takeValueOption(arguments, i, request)) {
      // Taken, with its value.
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
