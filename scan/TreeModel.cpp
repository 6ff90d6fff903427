#include "scan/TreeModel.h"

#include <stdexcept>

#include "scan/EntryRecord.h"

namespace spandle {

struct TreeModel::Chunk {
    Node nodes[kChunkNodes];
    NodeIndex order[kChunkNodes];  // display permutation, slot for slot with nodes
};

TreeModel::TreeModel(const CodePage& codePage) : codePage_(codePage) {}

TreeModel::~TreeModel() = default;

TreeModel::Node& TreeModel::NodeAt(NodeIndex node) const {
    return chunks_[node >> kChunkShift]->nodes[node & (kChunkNodes - 1)];
}

NodeIndex& TreeModel::OrderAt(NodeIndex slot) const {
    return chunks_[slot >> kChunkShift]->order[slot & (kChunkNodes - 1)];
}

void TreeModel::Clear() {
    chunks_.clear();
    names_.Clear();
    count_ = 0;
    orderedBits_.clear();
    orderedFolders_.clear();
}

NodeIndex TreeModel::Allocate(uint32_t n) {
    if (n >= kNoNode - count_) throw std::length_error("too many nodes");
    while (chunks_.size() * kChunkNodes < size_t{count_} + n) {
        // Not value-initialised: a node is written whole before it is read.
        chunks_.emplace_back(new Chunk);
    }
    const NodeIndex first = count_;
    count_ += n;
    return first;
}

NodeIndex TreeModel::AddRoot(std::u16string_view name, uint32_t attributes) {
    if (count_ != 0) throw std::logic_error("the model already has a root");
    const uint32_t namePos = names_.Add(name);
    const NodeIndex root = Allocate(1);
    At(root) = Node{0, 0, attributes, kNoNode, kNoNode, 0, namePos, 0};
    return root;
}

NodeIndex TreeModel::AppendChildren(NodeIndex folder, std::span<const NewNode> children) {
    if (children.empty()) return kNoNode;
    if (ChildCount(folder) != 0) throw std::logic_error("a folder gets one block of children");
    if (children.size() > kCountMask) throw std::length_error("too many entries in a folder");
    const auto n = static_cast<uint32_t>(children.size());
    const NodeIndex first = Allocate(n);
    for (uint32_t i = 0; i < n; ++i) {
        const NewNode& c = children[i];
        At(first + i) = Node{static_cast<uint32_t>(c.size),
                             static_cast<uint32_t>(c.size >> 32),
                             c.attributes,
                             folder,
                             kNoNode,
                             c.flags << kCountBits,
                             names_.Add(c.name),
                             i};
    }
    Node& parent = At(folder);
    parent.firstChild = first;
    parent.countAndFlags |= n;
    InvalidateDisplayOrder();
    return first;
}

void TreeModel::AddSize(NodeIndex node, uint64_t bytes) {
    if (bytes == 0) return;
    for (NodeIndex n = node; n != kNoNode; n = Parent(n)) {
        Node& x = At(n);
        const uint64_t sum = ((uint64_t{x.sizeHigh} << 32) | x.sizeLow) + bytes;
        x.sizeLow = static_cast<uint32_t>(sum);
        x.sizeHigh = static_cast<uint32_t>(sum >> 32);
    }
    InvalidateDisplayOrder();
}

void TreeModel::SetFlag(NodeIndex node, uint32_t flag, bool on) {
    uint32_t& word = At(node).countAndFlags;
    if (on) {
        word |= flag << kCountBits;
    } else {
        word &= ~(flag << kCountBits);
    }
}

uint32_t TreeModel::Level(NodeIndex node) const {
    uint32_t level = 0;
    for (NodeIndex p = Parent(node); p != kNoNode; p = Parent(p)) ++level;
    return level;
}

bool TreeModel::IsBelow(NodeIndex node, NodeIndex ancestor) const {
    for (NodeIndex p = Parent(node); p != kNoNode; p = Parent(p)) {
        if (p == ancestor) return true;
    }
    return false;
}

std::u16string_view TreeModel::Name(NodeIndex node) const {
    return names_.Get(At(node).namePos);
}

Size TreeModel::SizeOf(NodeIndex node) const {
    const Node& x = At(node);
    return static_cast<Size>((uint64_t{x.sizeHigh} << 32) | x.sizeLow);
}

bool TreeModel::IsFolder(NodeIndex node) const {
    return (At(node).attributes & kAttributeDirectory) != 0;
}

bool TreeModel::HasFlag(NodeIndex node, uint32_t flag) const {
    return ((At(node).countAndFlags >> kCountBits) & flag) != 0;
}

size_t TreeModel::MemoryBytes() const {
    return chunks_.capacity() * sizeof(void*) + chunks_.size() * sizeof(Chunk) +
           names_.MemoryBytes() + orderedBits_.capacity() * sizeof(uint64_t) +
           orderedFolders_.capacity() * sizeof(NodeIndex);
}

}  // namespace spandle
