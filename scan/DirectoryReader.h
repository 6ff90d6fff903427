// Lists one directory. The scanner reads the file system only through this interface: the
// Win32 reader is the product's; POSIX and synthetic readers serve tests and benchmarks.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spandle {

constexpr uint32_t kAttributeReparsePoint = 0x400;
constexpr uint32_t kReparseTagMountPoint = 0xA0000003;
constexpr uint32_t kReparseTagSymlink = 0xA000000C;
constexpr uint32_t kReparseTagNameSurrogateBit = 0x20000000;

// A folder that stands for another place (junction, directory link, mount point) is listed
// but not entered. Wine reports a Linux directory link with tag 0, so 0 counts as a link.
inline bool IsUnfollowedLink(uint32_t attributes, uint32_t reparseTag) {
    constexpr uint32_t folderLink = kAttributeReparsePoint | 0x10;
    return (attributes & folderLink) == folderLink &&
           (reparseTag == 0 || (reparseTag & kReparseTagNameSurrogateBit) != 0);
}

// The caller's buffer: entries with their names in one character block.
class DirectoryListing {
  public:
    struct Entry {
        size_t nameOffset;
        size_t nameLength;
        uint32_t attributes;
        uint32_t reparseTag;
        uint64_t size;
    };

    void Clear() {
        entries_.clear();
        names_.clear();
    }
    void Add(std::u16string_view name, uint32_t attributes, uint64_t size, uint32_t reparseTag) {
        entries_.push_back({names_.size(), name.size(), attributes, reparseTag, size});
        names_.append(name);
    }
    size_t Count() const { return entries_.size(); }
    const Entry& At(size_t i) const { return entries_[i]; }
    std::u16string_view Name(size_t i) const {
        return std::u16string_view(names_).substr(entries_[i].nameOffset, entries_[i].nameLength);
    }

  private:
    std::vector<Entry> entries_;
    std::u16string names_;
};

enum class ListStatus {
    Complete,    // every entry (an error after the first entry ends the list quietly)
    Stopped,     // the stop flag was seen; the entries before it are listed
    Unreadable,  // the directory could not be opened: missing, denied, not a directory
};

class DirectoryReader {
  public:
    virtual ~DirectoryReader() = default;
    // Separates path components; directory paths passed to List end with it.
    virtual char16_t Separator() const = 0;
    // Appends the entries of the directory at path to out, in the order the file system
    // gives them, without "." and "..". Checks stop before each entry. Safe to call from
    // several threads at once.
    virtual ListStatus List(std::u16string_view path, const std::atomic<bool>& stop,
                            DirectoryListing& out) const = 0;
};

}  // namespace spandle
