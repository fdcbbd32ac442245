#pragma once
// linkfold-cli's help: the whole text (--help), one command's usage (help COMMAND, COMMAND
// --help), the version line, and the nearest command name for a mistyped one.

#include <optional>
#include <string>
#include <string_view>

namespace linkfold::cli {

std::string fullHelp();
// None for a name that is no command.
std::optional<std::string> commandHelp(std::string_view command);
// The command a mistyped name most likely meant; none when no command is close.
std::optional<std::string> nearestCommand(std::string_view name);

}  // namespace linkfold::cli
