// A node's streamed form is the 320-byte entry record; these turn one into the other.
#pragma once

#include <string>

#include "scan/EntryRecord.h"
#include "scan/TreeModel.h"

namespace spandle {

class CodePage;

// The name in the ANSI code page, cut before the character that would pass 259 bytes; the
// size split into its two words; fields the node does not keep are zero.
EntryRecord MakeEntryRecord(const TreeModel& model, NodeIndex node, const CodePage& codePage);

// What a record gives a node: name (up to the first zero byte), attributes and size.
struct RecordNode {
    std::u16string name;
    uint32_t attributes = 0;
    uint64_t size = 0;
    NewNode View() const { return {name, attributes, size, 0}; }
};
RecordNode ReadEntryRecord(const EntryRecord& record, const CodePage& codePage);

}  // namespace spandle
