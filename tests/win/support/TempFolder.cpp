#include "support/TempFolder.h"

#include <windows.h>

#include <vector>

namespace testing_support {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = std::wstring(base) + L"spandle-test-" + std::to_wstring(::GetCurrentProcessId()) +
            L"-" + std::to_wstring(++counter);
    ::CreateDirectoryW(path_.c_str(), nullptr);
}

namespace {

// Removes a folder and everything below it, on extended-length paths, never following a link.
// (The shell's recursive delete loses its way on paths beyond MAX_PATH.)
void RemoveTree(const std::wstring& extendedPath) {
    WIN32_FIND_DATAW entry;
    HANDLE find = ::FindFirstFileW((extendedPath + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = extendedPath + L"\\" + name;
            const bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            const bool link = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (folder && !link) {
                RemoveTree(child);
            } else if (folder) {
                ::RemoveDirectoryW(child.c_str());
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(extendedPath.c_str());
}

}  // namespace

TempFolder::~TempFolder() {
    // Only ever below the temporary folder, whatever went wrong in the test.
    if (path_.find(L"\\spandle-test-") != std::wstring::npos) RemoveTree(L"\\\\?\\" + path_);
}

std::wstring TempFolder::Folder(const std::wstring& relative) const {
    const std::wstring path = path_ + L"\\" + relative;
    ::CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr);
    return path;
}

std::wstring TempFolder::File(const std::wstring& relative, uint64_t size) const {
    const std::wstring path = path_ + L"\\" + relative;
    HANDLE file = ::CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::vector<char> block(65536, 'x');
    for (uint64_t left = size; left > 0;) {
        const DWORD chunk = static_cast<DWORD>(left < block.size() ? left : block.size());
        DWORD written = 0;
        ::WriteFile(file, block.data(), chunk, &written, nullptr);
        left -= chunk;
    }
    ::CloseHandle(file);
    return path;
}

}  // namespace testing_support
