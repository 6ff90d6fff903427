// Names in large chunks of UTF-16 characters, each name ended by a zero: no allocation per
// name, and a name is found again by a 32-bit position.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace spandle {

class NameArena {
  public:
    static constexpr size_t kMaxName = (size_t{1} << 16) - 1;

    // Stores a copy (at most kMaxName characters, none of them zero); returns its position.
    uint32_t Add(std::u16string_view name);
    std::u16string_view Get(uint32_t pos) const;
    void Clear();
    size_t MemoryBytes() const { return chunks_.size() * kChunkChars * sizeof(char16_t); }

  private:
    static constexpr unsigned kChunkShift = 16;
    static constexpr uint32_t kChunkChars = uint32_t{1} << kChunkShift;

    std::vector<std::unique_ptr<char16_t[]>> chunks_;
    uint32_t used_ = kChunkChars;  // characters used in the last chunk
};

}  // namespace spandle
