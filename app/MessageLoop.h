// The one way messages are dispatched, by the main loop and by every wait that must keep the
// window alive, so accelerators behave the same everywhere.
#pragma once

#include <windows.h>

namespace app {

class TFormSpandle;

// Dispatches one message; false when it was WM_QUIT (which is posted again for the caller).
bool DispatchOne(TFormSpandle& form, const MSG& message);

// Handles everything pending, like Application.ProcessMessages; false after WM_QUIT.
bool ProcessPendingMessages(TFormSpandle& form);

int RunMessageLoop(TFormSpandle& form);

}  // namespace app
