#include "scan/SyntheticReader.h"

#include "scan/EntryRecord.h"

namespace spandle {
namespace {

constexpr std::u16string_view kFolderPrefix = u"folder_";
constexpr std::u16string_view kFilePrefix = u"file_";
constexpr std::u16string_view kFileSuffix = u".dat";

uint64_t Mix(uint64_t x) {  // splitmix64
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

uint64_t ChildId(uint64_t parent, unsigned i) {
    return Mix(parent * 31 + i + 1);
}

// Appends prefix, the decimal digits of i and suffix to a reusable buffer.
std::u16string_view MakeName(std::u16string& buffer, std::u16string_view prefix, unsigned i,
                             std::u16string_view suffix) {
    buffer.assign(prefix);
    char16_t digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + i % 10);
        i /= 10;
    } while (i != 0);
    while (n > 0) buffer.push_back(digits[--n]);
    buffer.append(suffix);
    return buffer;
}

bool ParseIndex(std::u16string_view name, unsigned& index) {
    if (name.substr(0, kFolderPrefix.size()) != kFolderPrefix) return false;
    name.remove_prefix(kFolderPrefix.size());
    if (name.empty() || name.size() > 9) return false;
    index = 0;
    for (char16_t c : name) {
        if (c < u'0' || c > u'9') return false;
        index = index * 10 + (c - u'0');
    }
    return true;
}

}  // namespace

SyntheticReader::SyntheticReader(std::u16string root, SyntheticShape shape)
    : root_(std::move(root)), shape_(shape) {}

unsigned SyntheticReader::FolderCount(unsigned depth) const {
    return depth < shape_.depth ? shape_.foldersPerFolder : 0;
}

uint64_t SyntheticReader::FileSize(uint64_t folder, unsigned i) const {
    const uint64_t h = Mix(folder ^ (uint64_t{i} << 40));
    const uint64_t size = h % (shape_.maxFileSize + 1);
    return shape_.skewed ? size >> ((h >> 58) % 20) : size;
}

// Finds the folder a path names: its id and depth.
bool SyntheticReader::Locate(std::u16string_view path, uint64_t& id, unsigned& depth) const {
    if (path.substr(0, root_.size()) != root_) return false;
    path.remove_prefix(root_.size());
    id = shape_.seed;
    depth = 0;
    if (path.empty() || path[0] != Separator()) return false;
    path.remove_prefix(1);
    while (!path.empty()) {
        const size_t end = path.find(Separator());
        unsigned index = 0;
        if (end == path.npos || !ParseIndex(path.substr(0, end), index)) return false;
        if (index >= FolderCount(depth)) return false;
        id = ChildId(id, index);
        ++depth;
        path.remove_prefix(end + 1);
    }
    return true;
}

ListStatus SyntheticReader::List(std::u16string_view path, const std::atomic<bool>& stop,
                                 DirectoryListing& out) const {
    uint64_t id = 0;
    unsigned depth = 0;
    if (!Locate(path, id, depth)) return ListStatus::Unreadable;
    std::u16string name;
    for (unsigned i = 0; i < shape_.filesPerFolder; ++i) {
        if (stop.load(std::memory_order_relaxed)) return ListStatus::Stopped;
        out.Add(MakeName(name, kFilePrefix, i, kFileSuffix), 0x20, FileSize(id, i), 0);
    }
    for (unsigned i = 0; i < FolderCount(depth); ++i) {
        if (stop.load(std::memory_order_relaxed)) return ListStatus::Stopped;
        out.Add(MakeName(name, kFolderPrefix, i, u""), kAttributeDirectory, 0, 0);
    }
    return ListStatus::Complete;
}

void SyntheticReader::Count(uint64_t folder, unsigned depth, Totals& totals) const {
    std::u16string name;
    for (unsigned i = 0; i < shape_.filesPerFolder; ++i) {
        totals.bytes += FileSize(folder, i);
        totals.nameChars += MakeName(name, kFilePrefix, i, kFileSuffix).size();
    }
    for (unsigned i = 0; i < FolderCount(depth); ++i) {
        totals.nameChars += MakeName(name, kFolderPrefix, i, u"").size();
        Count(ChildId(folder, i), depth + 1, totals);
    }
    totals.entries += shape_.filesPerFolder + FolderCount(depth);
}

SyntheticReader::Totals SyntheticReader::Expected() const {
    Totals totals;
    Count(shape_.seed, 0, totals);
    return totals;
}

}  // namespace spandle
