// Folders arriving from the shell: the command line, dropped files, the Explorer verb.
#include <shlobj.h>

#include <chrono>
#include <thread>

#include "scan/SyntheticReader.h"
#include "settings/ExplorerVerb.h"
#include "support/FormFixture.h"
#include "support/TempFolder.h"

namespace {

using testing_support::FormFixture;
using testing_support::TempFolder;

// A drop handle as the shell hands it over, with the names in order.
HDROP MakeDrop(const std::vector<std::wstring>& names) {
    size_t chars = 1;
    for (const auto& n : names) chars += n.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(drop + 1);
    for (const auto& n : names) {
        std::copy(n.begin(), n.end(), text);
        text += n.size() + 1;
    }
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::wstring ReadDefaultValue(const std::wstring& key) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                       &size) != ERROR_SUCCESS)
        return L"<none>";
    return value;
}

class CommandLine : public FormFixture {
protected:
    void SetUp() override {}
    void StartWith(const std::wstring& arguments) {
        app::FormOptions options;
        options.commandLine = arguments;
        CreateForm(std::move(options));
    }
};

TEST_F(CommandLine, AFolderIsAnalysedOnceAtTheFirstActivation) {
    TempFolder temp;
    const std::wstring folder = temp.Folder(L"My Data");
    temp.File(L"My Data\\a.bin", 321);
    StartWith(L"\"" + folder + L"\" second-argument");
    EXPECT_EQ(form->LabCur.Text(), folder);
    EXPECT_EQ(form->Label1.Text(), L"");
    EXPECT_TRUE(form->FPendingPath.empty());  // taken at the activation
    EXPECT_EQ(form->Label13.Text(), L"完成");
    EXPECT_EQ(form->Model().SizeOf(form->Model().Root()), 321);
    form->Label13.SetText(L"");
    ::SendMessageW(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(form->Label13.Text(), L"");  // later activations start nothing
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CommandLine, AnythingButAnExistingFolderWarnsOnceAndStartsIdle) {
    TempFolder temp;
    const std::wstring file = temp.File(L"x.txt", 1);
    const struct {
        std::wstring arguments;
        size_t warnings;
    } cases[] = {{L"", 0}, {L"   ", 0}, {file, 1}, {L"\"" + temp.Path() + L"\\nothing\"", 1}};
    for (const auto& c : cases) {
        services.messages.clear();
        StartWith(c.arguments);
        ASSERT_EQ(services.messages.size(), c.warnings) << c.arguments;
        if (c.warnings) {
            EXPECT_EQ(services.messages[0].text, L"请选择文件夹!");
            EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
        }
        EXPECT_TRUE(form->FPath.empty());
        EXPECT_EQ(form->Label1.Text(), L"KestrumSpandle");
        EXPECT_EQ(form->Label13.Text(), L"");
    }
}

TEST_F(CommandLine, AQuotedDriveRootKeepsItsBackslash) {
    StartWith(L"\"C:\\\"");
    EXPECT_EQ(form->LabCur.Text(), L"C:\\");
    EXPECT_EQ(form->FPath, L"C:\\");
}

class DroppedFiles : public FormFixture {};

TEST_F(DroppedFiles, OnlyAFirstNameThatIsAFolderIsAnalysed) {
    TempFolder temp;
    const std::wstring a = temp.Folder(L"a"), b = temp.Folder(L"b");
    temp.File(L"a\\f.bin", 11);
    const std::wstring file = temp.File(L"f.txt", 1);
    ::SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({file, a, b})), 0);
    EXPECT_TRUE(form->FPath.empty());
    EXPECT_EQ(form->Model().Root(), spandle::kNoNode);
    form->TBAbout.PerformClick();
    ::SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, b, file})), 0);
    EXPECT_EQ(form->FPath, a);
    EXPECT_EQ(form->LabCur.Text(), a);
    EXPECT_EQ(form->Model().SizeOf(form->Model().Root()), 11);
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabReport);
    EXPECT_TRUE(form->TBAbout.Down());
    EXPECT_EQ(form->Label1.Text(), L"KestrumSpandle");  // a drop leaves the About label alone
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(DroppedFiles, ANameLongerThanMaxPathArrivesWhole) {
    TempFolder temp;
    std::wstring relative;
    for (int i = 0; i < 6; ++i) {
        relative += (i ? L"\\" : L"") + std::wstring(50, static_cast<wchar_t>(L'a' + i));
        temp.Folder(relative);
    }
    temp.File(relative + L"\\deep.bin", 77);
    const std::wstring deep = temp.Path() + L"\\" + relative;
    ASSERT_GT(deep.size(), 260u);
    ::SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({deep})), 0);
    EXPECT_EQ(form->FPath, deep);
    EXPECT_EQ(form->Label13.Text(), L"完成");
    EXPECT_EQ(form->Model().SizeOf(form->Model().Root()), 77);
}

TEST_F(DroppedFiles, ADropDuringAScanIsRefused) {
    TempFolder temp;
    const std::wstring other = temp.Folder(L"other");
    spandle::SyntheticShape shape;
    shape.depth = 6;
    shape.foldersPerFolder = 5;
    spandle::SyntheticReader reader(std::u16string(temp.Path().begin(), temp.Path().end()), shape);
    app::FormOptions options;
    options.reader = &reader;
    options.scanWorkers = 1;
    CreateForm(std::move(options));
    form->FPath = temp.Path();
    HWND window = form->Handle();
    HDROP drop = MakeDrop({other});
    std::thread user([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ::PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        ::PostMessageW(form->BTNCancel.Handle(), BM_CLICK, 0, 0);
    });
    form->BTNRun.PerformClick();
    user.join();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"正在扫描，请先取消!");
    EXPECT_EQ(form->FPath, temp.Path());
    EXPECT_EQ(form->LabCur.Text(), L"");
}

class ExplorerVerb : public FormFixture {};

TEST_F(ExplorerVerb, RegisteringTwiceRewritesTheSameQuotedCommand) {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    for (int i = 0; i < 2; ++i) form->BTNAddReg.PerformClick();
    ASSERT_EQ(services.messages.size(), 2u);
    for (const auto& m : services.messages) {
        EXPECT_EQ(m.text, L"系统右键菜单已注册！");
        EXPECT_EQ(m.caption, L"提示信息");
        EXPECT_EQ(m.type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    }
    EXPECT_EQ(ReadDefaultValue(L"Folder\\shell\\spandle"), L"KestrumSpandle [Velmora]");
    EXPECT_EQ(ReadDefaultValue(L"Folder\\shell\\spandle\\command"),
              L"\"" + std::wstring(exe) + L"\" \"%1\"");

    form->BTNDelReg.PerformClick();
    EXPECT_EQ(ReadDefaultValue(L"Folder\\shell\\spandle"), L"<none>");
    form->BTNDelReg.PerformClick();  // nothing left to remove is still a success
    ASSERT_EQ(services.messages.size(), 4u);
    EXPECT_EQ(services.messages[2].text, L"系统右键菜单已删除！");
    EXPECT_EQ(services.messages[3].text, L"系统右键菜单已删除！");
    EXPECT_EQ(services.messages[3].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
}

TEST(FolderVerbCommand, QuotesAPathWithBlanks) {
    EXPECT_EQ(settings::FolderVerbCommand(L"C:\\Program Files\\Spandle\\Spandle.exe"),
              L"\"C:\\Program Files\\Spandle\\Spandle.exe\" \"%1\"");
}

}  // namespace
