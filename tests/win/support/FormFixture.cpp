#include "support/FormFixture.h"

#include "app/MessageLoop.h"

namespace testing_support {

void FormFixture::CreateForm(app::FormOptions options) {
    options.quitOnClose = false;
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
