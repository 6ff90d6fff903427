// A folder tree on disk for one test, removed afterwards.
#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::wstring& Path() const { return path_; }  // without a trailing backslash
    std::wstring Folder(const std::wstring& relative) const;
    std::wstring File(const std::wstring& relative, uint64_t size) const;

private:
    std::wstring path_;
};

}  // namespace testing_support
