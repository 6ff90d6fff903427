// The display order of a folder's children for the current sort, built when first asked for.
#include <algorithm>
#include <numeric>
#include <string>

#include "scan/CodePage.h"
#include "scan/TreeModel.h"

namespace spandle {
namespace {

// Name keys: the names in the ANSI code page with only ASCII a-z folded, as the byte order
// users of the code page expect (pinyin order for code page 936).
class NameKeys {
  public:
    NameKeys(const CodePage& codePage, std::vector<std::u16string_view> names)
        : names_(std::move(names)) {
        offsets_.reserve(names_.size() + 1);
        for (std::u16string_view name : names_) {
            offsets_.push_back(bytes_.size());
            // Every ANSI code page is ASCII below 0x80: only other names need converting.
            if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; }))
                bytes_.append(name.begin(), name.end());
            else
                codePage.Encode(name, bytes_);
        }
        offsets_.push_back(bytes_.size());
        for (char& c : bytes_) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
    }

    // Eight key bytes from offset as a big-endian number, zero past the end: names hold no
    // zero byte, so these numbers order as the keys do.
    uint64_t Head(uint32_t i, size_t offset) const {
        const size_t begin = offsets_[i] + offset, end = offsets_[i + 1];
        uint64_t head = 0;
        for (size_t k = 0; k < 8; ++k) {
            const size_t at = begin + k;
            head = head << 8 | (at < end ? static_cast<unsigned char>(bytes_[at]) : 0u);
        }
        return head;
    }

    // Total: equal keys fall back to the UTF-16 text.
    int Compare(uint32_t a, uint32_t b) const {
        const size_t la = offsets_[a + 1] - offsets_[a];
        const size_t lb = offsets_[b + 1] - offsets_[b];
        const size_t common = std::min(la, lb);
        // An inline loop: the C library's memcmp is a slow call on some runtimes (Wine's).
        const auto* x = reinterpret_cast<const unsigned char*>(bytes_.data() + offsets_[a]);
        const auto* y = reinterpret_cast<const unsigned char*>(bytes_.data() + offsets_[b]);
        for (size_t i = 0; i < common; ++i) {
            if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
        }
        if (la != lb) return la < lb ? -1 : 1;
        return names_[a].compare(names_[b]);
    }

  private:
    std::vector<std::u16string_view> names_;
    std::string bytes_;
    std::vector<size_t> offsets_;
};

}  // namespace

void TreeModel::SetSort(SortOrder order) {
    if (order == sort_) return;
    sort_ = order;
    InvalidateDisplayOrder();
}

void TreeModel::InvalidateDisplayOrder() {
    for (NodeIndex folder : orderedFolders_)
        orderedBits_[folder / 64] &= ~(uint64_t{1} << (folder % 64));
    orderedFolders_.clear();
}

// places[pos] becomes the enumeration offset of the child shown at pos; ties keep the
// enumeration order, so every sort is stable and total.
void TreeModel::SortChildren(NodeIndex folder, std::vector<uint32_t>& places) const {
    const uint32_t n = ChildCount(folder);
    const NodeIndex first = At(folder).firstChild;
    places.resize(n);
    std::iota(places.begin(), places.end(), 0u);
    const bool ascending = sort_.ascending;
    if (sort_.column == SortColumn::Size) {
        // Keys and places side by side, so the sort reads memory in order.
        struct Keyed {
            Size size;
            uint32_t place;
        };
        std::vector<Keyed> keyed(n);
        for (uint32_t i = 0; i < n; ++i) keyed[i] = {SizeOf(first + i), i};
        std::sort(keyed.begin(), keyed.end(), [ascending](const Keyed& a, const Keyed& b) {
            if (a.size != b.size) return ascending ? a.size < b.size : a.size > b.size;
            return a.place < b.place;
        });
        for (uint32_t i = 0; i < n; ++i) places[i] = keyed[i].place;
        return;
    }
    std::vector<std::u16string_view> names(n);
    for (uint32_t i = 0; i < n; ++i) names[i] = Name(first + i);
    const NameKeys keys(codePage_, std::move(names));
    // The first 16 key bytes travel with each place, so most comparisons read no further.
    struct Keyed {
        uint64_t head[2];
        uint32_t place;
    };
    std::vector<Keyed> keyed(n);
    for (uint32_t i = 0; i < n; ++i) keyed[i] = {{keys.Head(i, 0), keys.Head(i, 8)}, i};
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        int c = a.head[0] != b.head[0] ? (a.head[0] < b.head[0] ? -1 : 1)
                : a.head[1] != b.head[1] ? (a.head[1] < b.head[1] ? -1 : 1)
                                         : keys.Compare(a.place, b.place);
        if (c != 0) return ascending ? c < 0 : c > 0;
        return a.place < b.place;
    });
    for (uint32_t i = 0; i < n; ++i) places[i] = keyed[i].place;
}

void TreeModel::EnsureDisplayOrder(NodeIndex folder) const {
    if (orderedBits_.size() * 64 < count_) orderedBits_.resize((size_t{count_} + 63) / 64);
    const uint64_t bit = uint64_t{1} << (folder % 64);
    if (orderedBits_[folder / 64] & bit) return;
    std::vector<uint32_t> places;
    SortChildren(folder, places);
    const NodeIndex first = At(folder).firstChild;
    for (uint32_t pos = 0; pos < places.size(); ++pos) {
        OrderAt(first + pos) = first + places[pos];
        NodeAt(first + places[pos]).displayPos = pos;
    }
    orderedBits_[folder / 64] |= bit;
    orderedFolders_.push_back(folder);
}

NodeIndex TreeModel::DisplayChild(NodeIndex folder, uint32_t i) const {
    EnsureDisplayOrder(folder);
    return OrderAt(At(folder).firstChild + i);
}

uint32_t TreeModel::DisplayPosition(NodeIndex node) const {
    const NodeIndex parent = Parent(node);
    if (parent == kNoNode) return 0;
    EnsureDisplayOrder(parent);
    return At(node).displayPos;
}

NodeIndex TreeModel::Advance(NodeIndex node, bool onlyVisible) const {
    if (ChildCount(node) > 0 && (!onlyVisible || HasFlag(node, kNodeExpanded))) {
        return DisplayChild(node, 0);
    }
    for (NodeIndex parent = Parent(node); parent != kNoNode; parent = Parent(node)) {
        const uint32_t next = DisplayPosition(node) + 1;
        if (next < ChildCount(parent)) return DisplayChild(parent, next);
        node = parent;
    }
    return kNoNode;
}

}  // namespace spandle
