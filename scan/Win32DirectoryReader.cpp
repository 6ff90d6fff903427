#include "scan/Win32DirectoryReader.h"

#include <windows.h>

namespace spandle {
namespace {

std::wstring Wide(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

bool IsDriveAbsolute(const std::wstring& p) {
    return p.size() >= 3 && p[1] == L':' && p[2] == L'\\';
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD need = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (need == 0) return path;
    std::wstring full(need, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), need, full.data(), nullptr);
    full.resize(length < need ? length : 0);
    return full.empty() ? path : full;
}

bool IsDotOrDotDot(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

std::wstring ExtendedSearchPattern(std::u16string_view path) {
    std::wstring p = Wide(path);
    if (p.rfind(L"\\\\?\\", 0) == 0) return p + L"*";
    const bool unc = p.rfind(L"\\\\", 0) == 0;
    // Relative paths, "." segments and "/" are resolved here: \\?\ takes a path literally.
    if ((!unc && !IsDriveAbsolute(p)) || p.find(L'/') != p.npos) p = FullPath(p);
    if (p.empty() || p.back() != L'\\') p += L'\\';
    if (p.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + p.substr(2) + L"*";
    return L"\\\\?\\" + p + L"*";
}

ListStatus Win32DirectoryReader::List(std::u16string_view path, const std::atomic<bool>& stop,
                                      DirectoryListing& out) const {
    WIN32_FIND_DATAW data;
    const HANDLE find =
        FindFirstFileExW(ExtendedSearchPattern(path).c_str(), FindExInfoBasic, &data,
                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return ListStatus::Unreadable;
    ListStatus status = ListStatus::Complete;
    do {
        if (stop.load(std::memory_order_relaxed)) {
            status = ListStatus::Stopped;
            break;
        }
        if (IsDotOrDotDot(data.cFileName)) continue;
        const uint64_t size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        const uint32_t tag =
            (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0;
        out.Add(reinterpret_cast<const char16_t*>(data.cFileName), data.dwFileAttributes, size,
                tag);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return status;
}

}  // namespace spandle
