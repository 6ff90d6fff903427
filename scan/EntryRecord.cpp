#include "scan/EntryRecord.h"

#include <cstring>

namespace spandle {
namespace {

void Put32(uint8_t* out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t Get32(const uint8_t* in) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(in[i]) << (8 * i);
    return value;
}

}  // namespace

EntryBytes EncodeEntryRecord(const EntryRecord& r) {
    EntryBytes b{};
    const uint32_t words[] = {r.dwFileAttributes,       r.ftCreationTime.low,
                              r.ftCreationTime.high,    r.ftLastAccessTime.low,
                              r.ftLastAccessTime.high,  r.ftLastWriteTime.low,
                              r.ftLastWriteTime.high,   r.nFileSizeHigh,
                              r.nFileSizeLow,           r.dwReserved0,
                              r.dwReserved1};
    for (size_t i = 0; i < std::size(words); ++i) Put32(b.data() + 4 * i, words[i]);
    std::memcpy(b.data() + offsetof(EntryRecord, cFileName), r.cFileName, sizeof r.cFileName);
    std::memcpy(b.data() + offsetof(EntryRecord, cAlternateFileName), r.cAlternateFileName,
                sizeof r.cAlternateFileName);
    std::memcpy(b.data() + offsetof(EntryRecord, padding), r.padding, sizeof r.padding);
    return b;
}

EntryRecord DecodeEntryRecord(const EntryBytes& b) {
    EntryRecord r{};
    uint32_t* words[] = {&r.dwFileAttributes,       &r.ftCreationTime.low,
                         &r.ftCreationTime.high,    &r.ftLastAccessTime.low,
                         &r.ftLastAccessTime.high,  &r.ftLastWriteTime.low,
                         &r.ftLastWriteTime.high,   &r.nFileSizeHigh,
                         &r.nFileSizeLow,           &r.dwReserved0,
                         &r.dwReserved1};
    for (size_t i = 0; i < std::size(words); ++i) *words[i] = Get32(b.data() + 4 * i);
    std::memcpy(r.cFileName, b.data() + offsetof(EntryRecord, cFileName), sizeof r.cFileName);
    std::memcpy(r.cAlternateFileName, b.data() + offsetof(EntryRecord, cAlternateFileName),
                sizeof r.cAlternateFileName);
    std::memcpy(r.padding, b.data() + offsetof(EntryRecord, padding), sizeof r.padding);
    return r;
}

void StoreRecordSize(EntryRecord& record, int64_t size) {
    const auto bits = static_cast<uint64_t>(size);
    record.nFileSizeLow = static_cast<uint32_t>(bits);
    record.nFileSizeHigh = static_cast<uint32_t>(bits >> 32);
}

}  // namespace spandle
