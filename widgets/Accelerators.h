// Keyboard accelerators marked with '&' in captions ("分析(&R)"); portable.
#pragma once

#include <string>

namespace widgets {

// The upper-case accelerator letter of a caption, or 0 when it has none ("&&" is a literal &).
wchar_t AcceleratorOf(const std::wstring& caption);

// The caption without its accelerator marks, as it reads aloud.
std::wstring StripAccelerator(const std::wstring& caption);

}  // namespace widgets
