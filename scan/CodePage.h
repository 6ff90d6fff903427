// The system ANSI code page as a seam: the model and the record conversion stay portable,
// Windows passes the real code page, tests pass a fake.
#pragma once

#include <string>
#include <string_view>

namespace spandle {

class CodePage {
  public:
    virtual ~CodePage() = default;
    // Appends the text in the code page; characters it lacks become its default character.
    virtual void Encode(std::u16string_view text, std::string& out) const = 0;
    // Appends the bytes decoded from the code page.
    virtual void Decode(std::string_view bytes, std::u16string& out) const = 0;
};

}  // namespace spandle
