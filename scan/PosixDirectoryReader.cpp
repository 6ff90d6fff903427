#include "scan/PosixDirectoryReader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "scan/EntryRecord.h"
#include "scan/Utf16.h"

namespace spandle {
namespace {

constexpr uint32_t kAttributeArchive = 0x20;

struct Classified {
    bool exists;
    uint32_t attributes;
    uint64_t size;
    uint32_t tag;
};

Classified Classify(int dir, const dirent& entry) {
    if (entry.d_type == DT_DIR) return {true, kAttributeDirectory, 0, 0};
    struct stat st {};
    if (fstatat(dir, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return {false, 0, 0, 0};
    if (S_ISDIR(st.st_mode)) return {true, kAttributeDirectory, 0, 0};
    if (!S_ISLNK(st.st_mode))
        return {true, kAttributeArchive, static_cast<uint64_t>(st.st_size), 0};
    struct stat target {};
    const bool toFolder = fstatat(dir, entry.d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
    const uint32_t kind = toFolder ? kAttributeDirectory : kAttributeArchive;
    return {true, kind | kAttributeReparsePoint, 0, kReparseTagSymlink};
}

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

ListStatus PosixDirectoryReader::List(std::u16string_view path, const std::atomic<bool>& stop,
                                      DirectoryListing& out) const {
    DIR* dir = opendir(ToUtf8(path).c_str());
    if (dir == nullptr) return ListStatus::Unreadable;
    ListStatus status = ListStatus::Complete;
    while (true) {
        if (stop.load(std::memory_order_relaxed)) {
            status = ListStatus::Stopped;
            break;
        }
        const dirent* entry = readdir(dir);
        if (entry == nullptr) break;
        if (IsDotOrDotDot(entry->d_name)) continue;
        const Classified c = Classify(dirfd(dir), *entry);
        if (c.exists) out.Add(FromUtf8(entry->d_name), c.attributes, c.size, c.tag);
    }
    closedir(dir);
    return status;
}

}  // namespace spandle
