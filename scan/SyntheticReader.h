// A deterministic folder tree generated in memory: any size, no disk. Every folder holds
// filesPerFolder files ("file_<i>.dat") and, above the last level, foldersPerFolder
// folders ("folder_<i>"); contents follow from the folder's path and the seed alone, so
// any number of threads can list it at once.
#pragma once

#include <cstdint>
#include <string>

#include "scan/DirectoryReader.h"

namespace spandle {

struct SyntheticShape {
    uint64_t seed = 1;
    unsigned depth = 3;  // levels of folders below the root
    unsigned foldersPerFolder = 4;
    unsigned filesPerFolder = 8;
    uint64_t maxFileSize = 1 << 20;
    bool skewed = true;  // most files small, a few near the maximum, as on real disks
};

class SyntheticReader final : public DirectoryReader {
  public:
    struct Totals {
        uint64_t bytes = 0;
        uint64_t entries = 0;  // files and folders below the root
        uint64_t nameChars = 0;
    };

    // root: the path the scan is started with, without its trailing separator.
    SyntheticReader(std::u16string root, SyntheticShape shape);

    char16_t Separator() const override { return u'\\'; }
    ListStatus List(std::u16string_view path, const std::atomic<bool>& stop,
                    DirectoryListing& out) const override;

    // Counted by generating the tree directly, without a scan.
    Totals Expected() const;

  private:
    bool Locate(std::u16string_view path, uint64_t& id, unsigned& depth) const;
    uint64_t FileSize(uint64_t folder, unsigned i) const;
    unsigned FolderCount(unsigned depth) const;
    void Count(uint64_t folder, unsigned depth, Totals& totals) const;

    std::u16string root_;
    SyntheticShape shape_;
};

}  // namespace spandle
