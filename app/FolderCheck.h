#pragma once

#include <string>

namespace app {

// Whether the path names an existing folder; also beyond MAX_PATH.
bool FolderExists(const std::wstring& path);

}  // namespace app
