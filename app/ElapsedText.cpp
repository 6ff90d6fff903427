#include "app/ElapsedText.h"

namespace app {

std::wstring FormatElapsed(int32_t ticks, const std::wstring& minutes, const std::wstring& seconds) {
    const int32_t wholeMinutes = ticks / 60;
    return std::to_wstring(wholeMinutes) + minutes + std::to_wstring(ticks - wholeMinutes * 60) +
           seconds;
}

}  // namespace app
