#include "scan/Wow64Redirection.h"

#include <windows.h>

namespace spandle {

void DisableWow64RedirectionOnThisThread() {
    using Disable = BOOL(WINAPI*)(PVOID*);
    // Looked up at run time: not every system has it.
    static const auto disable = reinterpret_cast<Disable>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "Wow64DisableWow64FsRedirection")));
    PVOID previous = nullptr;
    if (disable != nullptr) disable(&previous);
}

}  // namespace spandle
