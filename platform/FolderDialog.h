#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace platform {

// The modern folder picker where Windows has it (hidden folders shown, new folders
// allowed), the classic browse dialog otherwise. Empty when the user cancels.
std::optional<std::wstring> ShowFolderDialog(HWND owner, const std::wstring& title,
                                             const std::wstring& initialFolder);

}  // namespace platform
