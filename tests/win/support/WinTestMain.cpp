// Entry of every Windows test executable: the same start-up as the program's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "widgets/Dpi.h"

int main(int argc, char** argv) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    widgets::InitDpi();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ::CoUninitialize();
    return result;
}
