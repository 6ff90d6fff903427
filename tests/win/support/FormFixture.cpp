#include "support/FormFixture.h"

#include "app/MessageLoop.h"

namespace testing_support {

std::wstring FormFixture::FreshSettingsPath() {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    const std::wstring path = std::wstring(base) + L"spandle-settings-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++counter) + L".ini";
    ::DeleteFileW(path.c_str());
    return path;
}

void FormFixture::CreateForm(app::FormOptions options) {
    options.quitOnClose = false;
    // Each window reads its own settings file, so no test sees another's choices.
    if (options.settingsPath.empty()) options.settingsPath = FreshSettingsPath();
    form.reset();
    form = std::make_unique<app::TFormSpandle>(std::move(options));
    form->Show(SW_SHOWNORMAL);
    Pump();
}

void FormFixture::Pump() {
    for (int i = 0; i < 3; ++i) app::ProcessPendingMessages(*form);
}

std::wstring FormFixture::TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    ::GetWindowTextW(window, buffer, 1024);
    return buffer;
}

RECT FormFixture::PlaceOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace testing_support
