// The display order of a folder's children for the current sort, built when first asked for.
#include <algorithm>
#include <cstring>
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
            codePage.Encode(name, bytes_);
        }
        offsets_.push_back(bytes_.size());
        for (char& c : bytes_) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
    }

    // Total: equal keys fall back to the UTF-16 text.
    int Compare(uint32_t a, uint32_t b) const {
        const size_t la = offsets_[a + 1] - offsets_[a];
        const size_t lb = offsets_[b + 1] - offsets_[b];
        const size_t common = std::min(la, lb);
        const int c = common ? std::memcmp(&bytes_[offsets_[a]], &bytes_[offsets_[b]], common) : 0;
        if (c != 0) return c;
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
        std::vector<Size> sizes(n);
        for (uint32_t i = 0; i < n; ++i) sizes[i] = SizeOf(first + i);
        std::sort(places.begin(), places.end(), [&](uint32_t a, uint32_t b) {
            if (sizes[a] != sizes[b]) return ascending ? sizes[a] < sizes[b] : sizes[a] > sizes[b];
            return a < b;
        });
        return;
    }
    std::vector<std::u16string_view> names(n);
    for (uint32_t i = 0; i < n; ++i) names[i] = Name(first + i);
    const NameKeys keys(codePage_, std::move(names));
    std::sort(places.begin(), places.end(), [&](uint32_t a, uint32_t b) {
        const int c = keys.Compare(a, b);
        if (c != 0) return ascending ? c < 0 : c > 0;
        return a < b;
    });
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
