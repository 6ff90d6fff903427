// How the settings file's integers are read: decimal, or hexadecimal after "0x" or "$".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace settings {

// The value, or none when the text is not an integer of 32 bits.
std::optional<int32_t> ParseIniInteger(const std::wstring& text);

}  // namespace settings
