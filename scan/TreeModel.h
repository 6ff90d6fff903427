// The result tree of an analysis in compact form: 32-byte nodes addressed by 32-bit indices
// that never change during an analysis, names in large arena chunks, the children of a
// folder stored as one block in the order the file system listed them, and a display order
// per folder that is built lazily for the current sort, so changing the sort costs O(1).
//
// Threads: the model is not synchronised. While a scan fills it only the scanner touches
// it; afterwards one thread (the user interface) owns it. The display-order queries are
// const but fill a cache, so two threads must not read at once either.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "scan/NameArena.h"
#include "scan/SizeMath.h"

namespace spandle {

class CodePage;

using NodeIndex = uint32_t;
constexpr NodeIndex kNoNode = 0xFFFFFFFF;

// Flag bits of a node.
constexpr uint32_t kNodeExpanded = 1;
constexpr uint32_t kNodeUnreadable = 2;       // the folder could not be listed
constexpr uint32_t kNodeLinkNotFollowed = 4;  // a link to a folder: listed, not entered

enum class SortColumn { Name = 0, Size = 1 };

struct SortOrder {
    SortColumn column = SortColumn::Size;
    bool ascending = false;
    bool operator==(const SortOrder&) const = default;
};

// One entry to append: what a directory listing or a streamed record delivers.
struct NewNode {
    std::u16string_view name;
    uint32_t attributes = 0;
    uint64_t size = 0;
    uint32_t flags = 0;
};

class TreeModel {
  public:
    // The code page gives the name order; it must outlive the model.
    explicit TreeModel(const CodePage& codePage);
    ~TreeModel();
    TreeModel(const TreeModel&) = delete;
    TreeModel& operator=(const TreeModel&) = delete;

    // Building.
    void Clear();
    // The one top-level node; the model must be empty.
    NodeIndex AddRoot(std::u16string_view name, uint32_t attributes);
    // Gives a folder its block of children, once; returns the first child's index.
    NodeIndex AppendChildren(NodeIndex folder, std::span<const NewNode> children);
    // Adds bytes to the node and to every folder above it.
    void AddSize(NodeIndex node, uint64_t bytes);
    void SetFlag(NodeIndex node, uint32_t flag, bool on);

    // Relations and data.
    NodeIndex Root() const { return count_ ? 0 : kNoNode; }
    uint32_t Count() const { return count_; }
    NodeIndex Parent(NodeIndex node) const { return At(node).parent; }
    uint32_t Level(NodeIndex node) const;
    uint32_t ChildCount(NodeIndex node) const { return At(node).countAndFlags & kCountMask; }
    // The i-th child in enumeration order.
    NodeIndex Child(NodeIndex folder, uint32_t i) const { return At(folder).firstChild + i; }
    // Whether node lies anywhere below ancestor (not the node itself).
    bool IsBelow(NodeIndex node, NodeIndex ancestor) const;
    std::u16string_view Name(NodeIndex node) const;
    Size SizeOf(NodeIndex node) const;
    uint32_t Attributes(NodeIndex node) const { return At(node).attributes; }
    bool IsFolder(NodeIndex node) const;
    bool HasFlag(NodeIndex node, uint32_t flag) const;

    // Display order: O(1) to change; a folder's order is built when first asked for.
    void SetSort(SortOrder order);
    SortOrder Sort() const { return sort_; }
    NodeIndex DisplayChild(NodeIndex folder, uint32_t i) const;
    uint32_t DisplayPosition(NodeIndex node) const;
    // Depth first in display order; kNoNode after the last node.
    NodeIndex Next(NodeIndex node) const { return Advance(node, false); }
    // As Next, but skipping the children of folders that are not expanded.
    NodeIndex NextVisible(NodeIndex node) const { return Advance(node, true); }

    // Bytes held, for the memory figures.
    size_t MemoryBytes() const;

  private:
    struct Node {
        uint32_t sizeLow;
        uint32_t sizeHigh;
        uint32_t attributes;
        NodeIndex parent;
        NodeIndex firstChild;
        uint32_t countAndFlags;  // child count below, flag bits above kCountBits
        uint32_t namePos;        // of the name's first character in the arena
        uint32_t displayPos;     // place among its siblings in the display order
    };
    static_assert(sizeof(Node) == 32, "a node stays within its memory budget");
    static constexpr uint32_t kCountBits = 28;
    static constexpr uint32_t kCountMask = (1u << kCountBits) - 1;
    static constexpr unsigned kChunkShift = 14;
    static constexpr uint32_t kChunkNodes = 1u << kChunkShift;
    struct Chunk;

    Node& At(NodeIndex node) { return NodeAt(node); }
    const Node& At(NodeIndex node) const { return NodeAt(node); }
    Node& NodeAt(NodeIndex node) const;
    NodeIndex& OrderAt(NodeIndex slot) const;
    NodeIndex Allocate(uint32_t n);
    void InvalidateDisplayOrder();
    void EnsureDisplayOrder(NodeIndex folder) const;
    void SortChildren(NodeIndex folder, std::vector<uint32_t>& places) const;
    NodeIndex Advance(NodeIndex node, bool onlyVisible) const;

    const CodePage& codePage_;
    std::vector<std::unique_ptr<Chunk>> chunks_;
    NameArena names_;
    uint32_t count_ = 0;
    SortOrder sort_;
    // Folders whose display order matches sort_: a bit per node and the list of set bits,
    // so invalidating costs what sorting them cost.
    mutable std::vector<uint64_t> orderedBits_;
    mutable std::vector<NodeIndex> orderedFolders_;
};

}  // namespace spandle
