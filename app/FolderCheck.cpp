#include "app/FolderCheck.h"

#include <windows.h>

namespace app {

bool FolderExists(const std::wstring& path) {
    if (path.empty()) return false;
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    const bool absolute = path.size() > 2 && (path[1] == L':' || path.compare(0, 2, L"\\\\") == 0);
    if (attributes == INVALID_FILE_ATTRIBUTES && absolute && path.compare(0, 4, L"\\\\?\\") != 0) {
        const std::wstring extended = path[1] == L':' ? L"\\\\?\\" + path : L"\\\\?\\UNC" + path.substr(1);
        attributes = ::GetFileAttributesW(extended.c_str());
    }
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace app
