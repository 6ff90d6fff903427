#include "widgets/VisibleRows.h"

#include <algorithm>

namespace widgets {

void VisibleRows::Reset() {
    entries_.clear();
}

const VisibleRows::Entry* VisibleRows::Find(RowId row) const {
    auto it = entries_.find(row);
    return it == entries_.end() ? nullptr : &it->second;
}

uint32_t VisibleRows::Below(RowId row) const {
    const Entry* entry = Find(row);
    return source_.ChildCount(row) + (entry ? entry->added : 0);
}

// The entry with its links in display order and their running sums, for this epoch.
const VisibleRows::Entry* VisibleRows::Ordered(RowId row) const {
    auto it = entries_.find(row);
    if (it == entries_.end()) return nullptr;
    Entry& entry = it->second;
    if (entry.ordered && entry.epoch == epoch_) return &entry;
    for (Link& link : entry.links) link.position = source_.Position(link.row);
    std::sort(entry.links.begin(), entry.links.end(),
              [](const Link& a, const Link& b) { return a.position < b.position; });
    uint32_t before = 0;
    for (Link& link : entry.links) {
        link.before = before;
        before += link.added;
    }
    entry.ordered = true;
    entry.epoch = epoch_;
    return &entry;
}

RowId VisibleRows::At(uint32_t index) const {
    RowId folder = kNoRow;
    if (index >= Count()) return kNoRow;
    for (;;) {
        const Entry* entry = Ordered(folder);
        uint32_t position = index;
        if (entry) {
            // The last link whose row starts at or before index.
            auto it = std::upper_bound(
                entry->links.begin(), entry->links.end(), index,
                [](uint32_t i, const Link& link) { return i < link.position + link.before; });
            if (it != entry->links.begin()) {
                const Link& link = *std::prev(it);
                const uint32_t start = link.position + link.before;
                if (index == start) return link.row;
                if (index <= start + link.added) {
                    folder = link.row;
                    index -= start + 1;
                    continue;
                }
                position = index - link.before - link.added;
            }
        }
        return source_.Child(folder, position);
    }
}

// The number of row within the rows shown below its parent.
uint32_t VisibleRows::Offset(RowId parent, RowId row) const {
    const uint32_t position = source_.Position(row);
    const Entry* entry = Ordered(parent);
    if (!entry) return position;
    auto it = std::lower_bound(entry->links.begin(), entry->links.end(), position,
                               [](const Link& link, uint32_t p) { return link.position < p; });
    if (it == entry->links.begin()) return position;
    const Link& last = *std::prev(it);
    return position + last.before + last.added;
}

uint32_t VisibleRows::IndexOf(RowId row) const {
    if (row == kNoRow) return kNotVisible;
    uint32_t index = 0;
    for (RowId r = row; r != kNoRow;) {
        const RowId parent = source_.Parent(r);
        if (parent != kNoRow && !source_.Expanded(parent)) return kNotVisible;
        index += Offset(parent, r) + (parent == kNoRow ? 0 : 1);
        r = parent;
    }
    return index;
}

bool VisibleRows::IsVisible(RowId row) const {
    if (row == kNoRow) return false;
    for (RowId p = source_.Parent(row); p != kNoRow; p = source_.Parent(p)) {
        if (!source_.Expanded(p)) return false;
    }
    return true;
}

RowId VisibleRows::NextVisible(RowId row) const {
    if (source_.Expanded(row) && source_.ChildCount(row) > 0) return source_.Child(row, 0);
    for (; row != kNoRow; row = source_.Parent(row)) {
        const RowId parent = source_.Parent(row);
        const uint32_t next = source_.Position(row) + 1;
        if (next < source_.ChildCount(parent)) return source_.Child(parent, next);
    }
    return kNoRow;
}

// Row's state changed: bring its link in the parent, and so on upwards, up to date.
void VisibleRows::Propagate(RowId row) {
    while (row != kNoRow) {
        const RowId parent = source_.Parent(row);
        const bool expanded = source_.Expanded(row);
        const bool interesting = expanded || Find(row) != nullptr;
        const uint32_t added = expanded ? Below(row) : 0;
        auto it = entries_.find(parent);
        const bool created = it == entries_.end();
        if (created && !interesting) return;
        Entry& entry = created ? entries_[parent] : it->second;
        auto link = std::find_if(entry.links.begin(), entry.links.end(),
                                 [row](const Link& l) { return l.row == row; });
        const uint32_t old = link != entry.links.end() ? link->added : 0;
        if (!interesting) {
            if (link != entry.links.end()) entry.links.erase(link);
        } else if (link == entry.links.end()) {
            entry.links.push_back({row, added, 0, 0});
        } else {
            link->added = added;
        }
        entry.added = entry.added - old + added;
        entry.ordered = false;
        if (parent == kNoRow) return;
        const bool erased = entry.links.empty();
        if (erased) entries_.erase(parent);
        // An expanded parent passes on a changed count; a collapsed one only the change of
        // whether it holds expanded rows at all.
        if (source_.Expanded(parent) ? old == added : !created && !erased) return;
        row = parent;
    }
}

void VisibleRows::SetExpanded(RowId row, bool expanded) {
    if (row == kNoRow || source_.Expanded(row) == expanded) return;
    if (expanded && source_.ChildCount(row) == 0) return;
    source_.SetExpanded(row, expanded);
    Propagate(row);
}

// Expands every folder below row (and row), building the entries bottom-up in one pass.
uint32_t VisibleRows::ExpandSubtree(RowId row) {
    const uint32_t n = source_.ChildCount(row);
    if (n == 0) return 0;
    if (row != kNoRow && !source_.Expanded(row)) source_.SetExpanded(row, true);
    std::vector<Link> links;
    uint32_t added = 0;
    for (uint32_t i = 0; i < n; ++i) {
        const RowId child = source_.Child(row, i);
        if (source_.ChildCount(child) == 0) continue;
        const uint32_t below = ExpandSubtree(child);
        links.push_back({child, below, i, added});
        added += below;
    }
    if (links.empty()) {
        entries_.erase(row);
    } else {
        Entry& entry = entries_[row];
        entry.added = added;
        entry.epoch = epoch_;
        entry.ordered = true;
        entry.links = std::move(links);
    }
    return n + added;
}

void VisibleRows::ExpandAll(RowId row) {
    ExpandSubtree(row);
    if (row != kNoRow) Propagate(row);
}

void VisibleRows::CollapseSubtree(RowId row) {
    if (row != kNoRow && source_.Expanded(row)) source_.SetExpanded(row, false);
    auto it = entries_.find(row);
    if (it == entries_.end()) return;
    const std::vector<Link> links = std::move(it->second.links);
    entries_.erase(it);
    for (const Link& link : links) CollapseSubtree(link.row);
}

void VisibleRows::CollapseAll(RowId row) {
    CollapseSubtree(row);
    if (row != kNoRow) Propagate(row);
}

size_t VisibleRows::MemoryBytes() const {
    // Buckets, nodes (key, entry and two pointers of the node) and the links.
    size_t bytes = entries_.bucket_count() * sizeof(void*);
    for (const auto& [row, entry] : entries_)
        bytes +=
            sizeof(row) + sizeof(entry) + 2 * sizeof(void*) + entry.links.capacity() * sizeof(Link);
    return bytes;
}

}  // namespace widgets
