// A code page for host benchmarks: ASCII as is, everything else "?".
#pragma once

#include "scan/CodePage.h"

namespace spandle::bench {

class AsciiCodePage final : public CodePage {
  public:
    void Encode(std::u16string_view text, std::string& out) const override {
        for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    void Decode(std::string_view bytes, std::u16string& out) const override {
        for (char c : bytes) out += static_cast<unsigned char>(c) < 0x80 ? char16_t(c) : u'?';
    }
};

}  // namespace spandle::bench
