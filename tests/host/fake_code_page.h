// A stand-in for code page 936 in host tests: ASCII as is, a handful of Chinese characters
// with their GBK bytes (whose order is pinyin order), everything else "?".
#pragma once

#include <string>

#include "scan/CodePage.h"

namespace spandle::test {

class FakeGbk final : public CodePage {
  public:
    void Encode(std::u16string_view text, std::string& out) const override {
        for (char16_t c : text) {
            if (c < 0x80) {
                out += static_cast<char>(c);
                continue;
            }
            const Pair* p = Find(c);
            if (p == nullptr) {
                out += '?';
                continue;
            }
            out += static_cast<char>(p->gbk >> 8);
            out += static_cast<char>(p->gbk & 0xFF);
        }
    }
    void Decode(std::string_view bytes, std::u16string& out) const override {
        for (size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x80 || i + 1 == bytes.size()) {
                out += b < 0x80 ? char16_t{b} : u'?';
                continue;
            }
            const auto gbk = static_cast<uint16_t>(b << 8 | static_cast<unsigned char>(bytes[++i]));
            char16_t c = u'?';
            for (const Pair& p : kPairs) c = p.gbk == gbk ? p.unicode : c;
            out += c;
        }
    }

  private:
    struct Pair {
        char16_t unicode;
        uint16_t gbk;
    };
    static constexpr Pair kPairs[] = {{u'阿', 0xB0A2}, {u'爸', 0xB0D6}, {u'李', 0xC0EE},
                                      {u'王', 0xCDF5}, {u'文', 0xCEC4}, {u'张', 0xD5C5},
                                      {u'赵', 0xD5D4}, {u'中', 0xD6D0}};
    static const Pair* Find(char16_t c) {
        for (const Pair& p : kPairs) {
            if (p.unicode == c) return &p;
        }
        return nullptr;
    }
};

}  // namespace spandle::test
