// Lists a directory with FindFirstFileExW on an extended-length path (\\?\, \\?\UNC\), so
// neither depth nor names are limited by MAX_PATH or the code page.
#pragma once

#include <string>

#include "scan/DirectoryReader.h"

namespace spandle {

class Win32DirectoryReader final : public DirectoryReader {
  public:
    char16_t Separator() const override { return u'\\'; }
    ListStatus List(std::u16string_view path, const std::atomic<bool>& stop,
                    DirectoryListing& out) const override;
};

// The search pattern for a directory path ending in "\": "C:\x\" gives "\\?\C:\x\*",
// "\\server\share\" gives "\\?\UNC\server\share\*"; other paths are made full first.
std::wstring ExtendedSearchPattern(std::u16string_view path);

}  // namespace spandle
