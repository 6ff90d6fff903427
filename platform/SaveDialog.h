#pragma once

#include <optional>
#include <string>

#include "platform/Services.h"

namespace platform {

// Asks before replacing a file, hides the read-only box, can be resized. Empty on cancel.
std::optional<std::wstring> ShowSaveDialog(HWND owner, const SaveDialogRequest& request);

}  // namespace platform
