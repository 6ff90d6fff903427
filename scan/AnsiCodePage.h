// The system ANSI code page (CP_ACP) through WideCharToMultiByte/MultiByteToWideChar.
#pragma once

#include "scan/CodePage.h"

namespace spandle {

class AnsiCodePage final : public CodePage {
  public:
    void Encode(std::u16string_view text, std::string& out) const override;
    void Decode(std::string_view bytes, std::u16string& out) const override;
};

}  // namespace spandle
