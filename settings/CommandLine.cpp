#include "settings/CommandLine.h"

namespace settings {

std::optional<std::wstring> FirstArgument(const std::wstring& arguments) {
    size_t i = 0;
    while (i < arguments.size() && arguments[i] <= L' ') ++i;
    if (i == arguments.size()) return std::nullopt;
    std::wstring argument;
    bool quoted = false;
    for (; i < arguments.size(); ++i) {
        const wchar_t ch = arguments[i];
        if (ch == L'"') {
            quoted = !quoted;
        } else if (ch <= L' ' && !quoted) {
            break;
        } else {
            argument += ch;
        }
    }
    return argument;
}

}  // namespace settings
