// The settings file and the Options page: what is read at start, what is written back, and
// what each control writes.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/FormFixture.h"
#include "support/Screenshot.h"
#include "support/TempFolder.h"
#include "widgets/Skins.h"

namespace {

using testing_support::FormFixture;

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Settings : public FormFixture {
protected:
    void SetUp() override {}
    // Starts the window on a settings file with this content (none: no file).
    void Start(const char* content) {
        path_ = FreshSettingsPath();
        if (content) std::ofstream(std::filesystem::path(path_), std::ios::binary) << content;
        written_.clear();
        app::FormOptions options;
        options.settingsPath = path_;
        options.onSettingWritten = [this](const wchar_t* key) { written_.push_back(key); };
        CreateForm(std::move(options));
    }
    std::wstring path_;
    std::vector<std::wstring> written_;
};

TEST_F(Settings, StartUpReadsTheFileAndWritesBackOnlyWhatDiffersFromTheForm) {
    const struct {
        const char* content;
        bool autoAnalyze;
        int skin;       // the look in use
        int checkedRadio;
        bool column3;
        std::vector<std::wstring> written;
    } cases[] = {
        {nullptr, true, 1, 1, true, {}},
        {"[Skin]\r\nSk=3\r\n", true, 3, 3, true, {L"Sk"}},
        {"[Skin]\r\nSk=0\r\n", true, 1, 1, true, {}},
        {"[Skin]\r\nSk=7\r\n", true, 1, 1, true, {}},
        {"[Skin]\r\nSk=-1\r\n", true, 1, 1, true, {}},
        {"[Skin]\r\nSk=blue\r\n", true, 1, 1, true, {}},
        {"[Skin]\r\nSk=$5\r\n", true, 5, 5, true, {L"Sk"}},
        {"[Auto]\r\nAct=2\r\n", true, 1, 1, true, {}},
        {"[Col]\r\nC3=0\r\n", true, 1, 1, false, {L"C3"}},
        {"[Col]\r\nC6=0\r\nC1=0\r\n[Auto]\r\nAct=0\r\n[Skin]\r\nSk=2\r\n", false, 2, 2, true,
         {L"Sk", L"Act", L"C1", L"C6"}},
    };
    for (const auto& c : cases) {
        Start(c.content);
        const std::string before = c.content ? c.content : "";
        SCOPED_TRACE(before);
        EXPECT_EQ(form->FAutoAnalyze, c.autoAnalyze);
        EXPECT_EQ(form->CBAuto.Checked(), c.autoAnalyze);
        EXPECT_EQ(&widgets::CurrentLook(), &widgets::SkinLook(c.skin));
        widgets::RadioButton* radios[] = {&form->RadioButton1, &form->RadioButton2,
                                          &form->RadioButton3, &form->RadioButton4,
                                          &form->RadioButton5, &form->RadioButton6};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(radios[i]->Checked(), i + 1 == c.checkedRadio) << i;
        EXPECT_EQ(form->CB3.Checked(), c.column3);
        EXPECT_EQ(form->ColumnOptions(3), c.column3 ? 0x8FFu : 0x87Fu);
        EXPECT_EQ(written_, c.written);
        if (!c.content) {
            EXPECT_FALSE(Exists(path_)) << "default settings create no file";
        } else if (c.written.empty()) {
            EXPECT_EQ(ReadAll(path_), before);
        }
        EXPECT_TRUE(services.messages.empty());
    }
}

TEST_F(Settings, TheOptionsPageWritesEachChangeAtOnceAndItSurvivesARestart) {
    Start(nullptr);
    form->CBAuto.PerformClick();
    EXPECT_FALSE(form->FAutoAnalyze);
    EXPECT_NE(ReadAll(path_).find("[Auto]"), std::string::npos);
    EXPECT_NE(ReadAll(path_).find("Act=0"), std::string::npos);
    form->CB4.PerformClick();
    EXPECT_EQ(form->ColumnOptions(4), 0x87Fu);
    form->CB4.PerformClick();
    EXPECT_EQ(form->ColumnOptions(4), 0x8FFu);
    EXPECT_NE(ReadAll(path_).find("C4=1"), std::string::npos);
    form->RadioButton6.PerformClick();
    EXPECT_EQ(&widgets::CurrentLook(), &widgets::SkinLook(6));
    EXPECT_FALSE(form->RadioButton1.Checked());
    EXPECT_EQ(form->FSkinIndex, 6);
    EXPECT_EQ(written_, (std::vector<std::wstring>{L"Act", L"C4", L"C4", L"Sk"}));

    const std::wstring path = path_;
    app::FormOptions options;
    options.settingsPath = path;
    CreateForm(std::move(options));
    EXPECT_FALSE(form->CBAuto.Checked());
    EXPECT_TRUE(form->CB4.Checked());
    EXPECT_TRUE(form->RadioButton6.Checked());

    // Auto-analysis off: choosing a folder only sets the path.
    testing_support::TempFolder temp;
    services.folderAnswers = {temp.Path()};
    form->RzBtnDirectory.PerformClick();
    EXPECT_EQ(form->LabCur.Text(), temp.Path());
    EXPECT_EQ(form->Label13.Text(), L"");
}

TEST_F(Settings, ARefusedWriteIsReportedAndStartUpGoesOn) {
    testing_support::TempFolder temp;
    path_ = FreshSettingsPath();
    std::ofstream(std::filesystem::path(path_), std::ios::binary) << "[Col]\r\nC2=0\r\nC5=0\r\n";
    // Held open for reading only, the file can be read but not written, even by root.
    HANDLE holder = ::CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    app::FormOptions options;
    options.settingsPath = path_;
    options.commandLine = L"\"" + temp.Path() + L"\"";
    CreateForm(std::move(options));
    ::CloseHandle(holder);
    ASSERT_EQ(services.messages.size(), 2u);  // C2 and C5, each reported
    EXPECT_EQ(services.messages[0].text, L"Unable to write to " + path_);
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(form->CB5.Checked());
    EXPECT_EQ(form->ColumnOptions(5), 0x87Fu);
    EXPECT_EQ(form->FPath, temp.Path());  // the command line still applied
}

TEST_F(Settings, SaveSettingIgnoresCodesItDoesNotKnow) {
    Start(nullptr);
    for (int code : {0, 9, -1, 1000}) form->SaveSetting(code);
    EXPECT_FALSE(Exists(path_));
}

TEST_F(Settings, SkinsRepaintTheWindowAndEachHasItsPreview) {
    Start(nullptr);
    form->TBOptions.PerformClick();
    Pump();
    testing_support::SaveScreenshot(form->Handle(), L"options-page");
    widgets::RadioButton* radios[] = {&form->RadioButton1, &form->RadioButton2,
                                      &form->RadioButton3, &form->RadioButton4,
                                      &form->RadioButton5, &form->RadioButton6};
    for (int skin = 1; skin <= 6; ++skin) {
        radios[skin - 1]->PerformClick();
        form->TBAnalysis.PerformClick();
        Pump();
        const COLORREF bottom = testing_support::ScreenPixel(form->Handle(), 820, 66);
        const COLORREF expected = widgets::SkinLook(skin).toolbarBottom;
        EXPECT_NEAR(GetRValue(bottom), GetRValue(expected), 6) << skin;
        EXPECT_NEAR(GetBValue(bottom), GetBValue(expected), 6) << skin;
        testing_support::SaveScreenshot(form->Handle(), L"skin-" + std::to_wstring(skin));
        form->TBOptions.PerformClick();
    }
}

}  // namespace
