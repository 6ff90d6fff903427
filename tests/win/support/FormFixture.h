// A real main window, created hidden-free on the test's display, with recorded services.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/FormSpandle.h"
#include "support/FakeServices.h"

namespace testing_support {

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override { CreateForm({}); }
    void CreateForm(app::FormOptions options);
    // Lets the window handle what is queued, as the user's clicks would be.
    void Pump();
    static std::wstring TextOf(HWND window);
    // A settings file path of this test's own, not yet existing.
    static std::wstring FreshSettingsPath();
    // The control's rectangle in its parent's client coordinates.
    static RECT PlaceOf(HWND window);

    FakeServices services;
    std::unique_ptr<app::TFormSpandle> form;
};

}  // namespace testing_support
