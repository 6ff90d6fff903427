// The program's first argument, split the way the shell's command line reaches it.
#pragma once

#include <optional>
#include <string>

namespace settings {

// Blanks and control characters separate arguments; double quotes group characters and are
// removed; a backslash is an ordinary character, so "C:\" is the drive root.
// None when there is no argument.
std::optional<std::wstring> FirstArgument(const std::wstring& arguments);

}  // namespace settings
