#include "scan/NodeRecord.h"

#include <algorithm>
#include <cstring>

#include "scan/CodePage.h"

namespace spandle {
namespace {

constexpr size_t kMaxNameBytes = sizeof(EntryRecord::cFileName) - 1;

// Character by character, so a double-byte character is never cut in half.
std::string EncodeName(std::u16string_view name, const CodePage& codePage) {
    std::string out;
    codePage.Encode(name, out);
    if (out.size() <= kMaxNameBytes) return out;
    out.clear();
    std::string one;
    for (size_t i = 0; i < name.size();) {
        const bool pair = i + 1 < name.size() && name[i] >= 0xD800 && name[i] < 0xDC00;
        const size_t units = pair ? 2 : 1;
        one.clear();
        codePage.Encode(name.substr(i, units), one);
        if (out.size() + one.size() > kMaxNameBytes) break;
        out += one;
        i += units;
    }
    return out;
}

}  // namespace

EntryRecord MakeEntryRecord(const TreeModel& model, NodeIndex node, const CodePage& codePage) {
    EntryRecord record{};
    record.dwFileAttributes = model.Attributes(node);
    StoreRecordSize(record, model.SizeOf(node));
    const std::string name = EncodeName(model.Name(node), codePage);
    std::memcpy(record.cFileName, name.data(), name.size());
    return record;
}

RecordNode ReadEntryRecord(const EntryRecord& record, const CodePage& codePage) {
    RecordNode node;
    const char* name = record.cFileName;
    const char* end = std::find(name, name + sizeof record.cFileName, '\0');
    codePage.Decode({name, static_cast<size_t>(end - name)}, node.name);
    node.attributes = record.dwFileAttributes;
    node.size = (uint64_t{record.nFileSizeHigh} << 32) | record.nFileSizeLow;
    return node;
}

}  // namespace spandle
