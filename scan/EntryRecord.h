// The 320-byte find-data record: the streamed form of a tree node. Its layout is a file
// format and holds byte for byte, whatever the compiler.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace spandle {

struct RecordFileTime {
    uint32_t low;
    uint32_t high;
};

struct EntryRecord {
    uint32_t dwFileAttributes;
    RecordFileTime ftCreationTime;
    RecordFileTime ftLastAccessTime;
    RecordFileTime ftLastWriteTime;
    uint32_t nFileSizeHigh;
    uint32_t nFileSizeLow;
    uint32_t dwReserved0;
    uint32_t dwReserved1;
    char cFileName[260];
    char cAlternateFileName[14];
    uint8_t padding[2];
};

static_assert(sizeof(EntryRecord) == 320);
static_assert(offsetof(EntryRecord, dwFileAttributes) == 0);
static_assert(offsetof(EntryRecord, ftCreationTime) == 4);
static_assert(offsetof(EntryRecord, ftLastAccessTime) == 12);
static_assert(offsetof(EntryRecord, ftLastWriteTime) == 20);
static_assert(offsetof(EntryRecord, nFileSizeHigh) == 28);
static_assert(offsetof(EntryRecord, nFileSizeLow) == 32);
static_assert(offsetof(EntryRecord, dwReserved0) == 36);
static_assert(offsetof(EntryRecord, dwReserved1) == 40);
static_assert(offsetof(EntryRecord, cFileName) == 44);
static_assert(offsetof(EntryRecord, cAlternateFileName) == 304);
static_assert(offsetof(EntryRecord, padding) == 318);

constexpr uint32_t kAttributeDirectory = 0x10;

using EntryBytes = std::array<uint8_t, sizeof(EntryRecord)>;

// Little-endian encoding, so the stream is the same on any host.
EntryBytes EncodeEntryRecord(const EntryRecord& record);
EntryRecord DecodeEntryRecord(const EntryBytes& bytes);

// Splits a 64-bit total into the record's two size words.
void StoreRecordSize(EntryRecord& record, int64_t size);

}  // namespace spandle
