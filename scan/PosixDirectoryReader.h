// Lists a directory with opendir/readdir (host builds: tests and benchmarks). Links are
// reported as Windows reports them: a link to a directory is a directory reparse point with
// the symbolic-link tag, so the scanner lists it without entering it.
#pragma once

#include "scan/DirectoryReader.h"

namespace spandle {

class PosixDirectoryReader final : public DirectoryReader {
  public:
    char16_t Separator() const override { return u'/'; }
    ListStatus List(std::u16string_view path, const std::atomic<bool>& stop,
                    DirectoryListing& out) const override;
};

}  // namespace spandle
