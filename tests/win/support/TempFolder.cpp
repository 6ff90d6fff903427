#include "support/TempFolder.h"

#include <windows.h>

#include <shellapi.h>

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

TempFolder::~TempFolder() {
    std::wstring from = path_;
    from.append(2, L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&op);
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
