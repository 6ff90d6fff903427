#include "widgets/Dpi.h"

#include <windows.h>

namespace widgets {
namespace {

int dpi = 96;

}  // namespace

void InitDpi() {
    // Declared at run time, not in the manifest, so older systems simply stay at 96.
    using SetAware = BOOL(WINAPI*)();
    if (HMODULE user = ::GetModuleHandleW(L"user32.dll")) {
        if (auto aware = reinterpret_cast<SetAware>(
                reinterpret_cast<void*>(::GetProcAddress(user, "SetProcessDPIAware"))))
            aware();
    }
    HDC screen = ::GetDC(nullptr);
    dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    if (dpi <= 0) dpi = 96;
}

int Dpi() { return dpi; }

int Scale(int pixelsAt96) { return ::MulDiv(pixelsAt96, dpi, 96); }

}  // namespace widgets
