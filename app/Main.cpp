// Program entry: start-up, the main window, the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/FormSpandle.h"
#include "app/MessageLoop.h"
#include "widgets/Dpi.h"

namespace {

// The arguments as typed, without the program's own name.
std::wstring ArgumentsOf(const wchar_t* commandLine) {
    const wchar_t* p = commandLine;
    bool quoted = false;
    for (; *p && (quoted || (*p != L' ' && *p != L'\t')); ++p)
        if (*p == L'"') quoted = !quoted;
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    widgets::InitDpi();
    int result = 0;
    {
        app::FormOptions options;
        options.commandLine = ArgumentsOf(::GetCommandLineW());
        app::TFormSpandle form(std::move(options));
        form.Show(showCommand);
        result = app::RunMessageLoop(form);
    }
    ::CoUninitialize();
    return result;
}
