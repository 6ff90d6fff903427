// The elapsed-time text of a run: "1分钟15秒" for 75 ticks; no hour unit.
#pragma once

#include <cstdint>
#include <string>

namespace app {

std::wstring FormatElapsed(int32_t ticks, const std::wstring& minutes, const std::wstring& seconds);

}  // namespace app
