#include "scan/NameArena.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace spandle {

uint32_t NameArena::Add(std::u16string_view name) {
    if (name.size() > kMaxName) throw std::length_error("name too long");
    const auto need = static_cast<uint32_t>(name.size() + 1);
    if (kChunkChars - used_ < need) {
        if (chunks_.size() >= (size_t{1} << (32 - kChunkShift))) throw std::length_error("names");
        // Not value-initialised: every character read was written first.
        chunks_.emplace_back(new char16_t[kChunkChars]);
        used_ = 0;
    }
    char16_t* out = chunks_.back().get() + used_;
    std::copy(name.begin(), name.end(), out);
    out[name.size()] = u'\0';
    const auto pos = static_cast<uint32_t>(((chunks_.size() - 1) << kChunkShift) | used_);
    used_ += need;
    return pos;
}

std::u16string_view NameArena::Get(uint32_t pos) const {
    const char16_t* p = chunks_[pos >> kChunkShift].get() + (pos & (kChunkChars - 1));
    return {p, std::char_traits<char16_t>::length(p)};
}

void NameArena::Clear() {
    chunks_.clear();
    used_ = kChunkChars;
}

}  // namespace spandle
