// The "analyse with" verb on every folder in Explorer's context menu.
#pragma once

#include <string>

namespace settings {

// HKEY_CLASSES_ROOT\Folder\shell\spandle = caption, its "command" = "exe" "%1".
// Throws app::AppError when a key cannot be opened or written.
void RegisterFolderVerb(const std::wstring& caption, const std::wstring& executable);
// Removes the verb and its command; nothing to remove is not an error.
void RemoveFolderVerb();

// The command Explorer runs: the executable's path quoted, so a path with blanks is safe.
std::wstring FolderVerbCommand(const std::wstring& executable);

inline constexpr wchar_t kFolderVerbKey[] = L"Folder\\shell\\spandle";

}  // namespace settings
