// One analysis run through the window: states, counters, messages, cancel and refusals.
#include <atomic>
#include <chrono>
#include <thread>

#include "scan/SyntheticReader.h"
#include "support/FormFixture.h"
#include "support/TempFolder.h"

namespace {

using testing_support::FormFixture;
using testing_support::TempFolder;

// Slow enough that a scan is still running when the test acts on the window.
class SlowReader final : public spandle::DirectoryReader {
public:
    SlowReader(std::u16string root, spandle::SyntheticShape shape) : inner_(std::move(root), shape) {}
    char16_t Separator() const override { return u'\\'; }
    spandle::ListStatus List(std::u16string_view path, const std::atomic<bool>& stop,
                             spandle::DirectoryListing& out) const override {
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
        return inner_.List(path, stop, out);
    }

private:
    spandle::SyntheticReader inner_;
};

// Runs out of memory on the second folder it lists.
class FailingReader final : public spandle::DirectoryReader {
public:
    FailingReader(std::u16string root, spandle::SyntheticShape shape) : inner_(std::move(root), shape) {}
    char16_t Separator() const override { return u'\\'; }
    spandle::ListStatus List(std::u16string_view path, const std::atomic<bool>& stop,
                             spandle::DirectoryListing& out) const override {
        if (calls_++ == 1) throw std::bad_alloc();
        return inner_.List(path, stop, out);
    }

private:
    spandle::SyntheticReader inner_;
    mutable std::atomic<int> calls_{0};
};

std::u16string U16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// Every folder holds exactly the sum of what lies directly inside it.
void ExpectConsistent(const spandle::TreeModel& model) {
    for (spandle::NodeIndex n = 0; n < model.Count(); ++n) {
        if (!model.IsFolder(n)) continue;
        spandle::Size sum = 0;
        for (uint32_t i = 0; i < model.ChildCount(n); ++i) sum += model.SizeOf(model.Child(n, i));
        ASSERT_EQ(model.SizeOf(n), sum) << n;
    }
}

class RunControl : public FormFixture {
protected:
    void UseReader(const spandle::DirectoryReader& reader) {
        app::FormOptions options;
        options.reader = &reader;
        CreateForm(std::move(options));
    }
    // Posts a message to a window after a delay, as a user acting during the scan.
    void PostLater(HWND window, UINT message, int afterMs) {
        posters_.emplace_back([=] {
            std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
            ::PostMessageW(window, message, 0, 0);
        });
    }
    void TearDown() override {
        for (auto& t : posters_) t.join();
    }
    std::vector<std::thread> posters_;
};

TEST_F(RunControl, ACompleteRunCountsEverythingAndEndsIdleOnTheReportPage) {
    TempFolder temp;
    temp.File(L"a.bin", 1000);
    temp.File(L"empty.txt", 0);
    temp.Folder(L"sub");
    temp.File(L"sub\\b.bin", 70000);
    temp.Folder(L"sub\\nothing");
    form->TBOptions.PerformClick();
    form->FPath = temp.Path();
    form->Label9.SetText(L"99");  // a previous run's figures
    form->Label10.SetText(L"1分钟2秒");
    form->BTNRun.PerformClick();

    EXPECT_EQ(form->Label13.Text(), L"完成");
    EXPECT_EQ(form->Label9.Text(), L"5");
    EXPECT_EQ(form->Label10.Text(), L"0");
    EXPECT_EQ(form->FFileCount, 5);
    EXPECT_EQ(form->FCancelled, 1);
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabReport);
    EXPECT_TRUE(form->TBOptions.Down());  // the toolbar keeps the page the user chose
    EXPECT_TRUE(form->BTNRun.Enabled());
    EXPECT_FALSE(form->BTNCancel.Visible());
    EXPECT_TRUE(form->ImageScan.Visible());
    EXPECT_FALSE(form->cxImgScan.Visible());
    const auto& model = form->Model();
    ASSERT_NE(model.Root(), spandle::kNoNode);
    EXPECT_EQ(model.Name(model.Root()), U16(temp.Path()));
    EXPECT_EQ(model.Attributes(model.Root()), 0x10u);
    EXPECT_EQ(model.SizeOf(model.Root()), 71000);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(RunControl, NoFolderChosenWarnsAndChangesNothing) {
    form->Label13.SetText(L"x");
    form->BTNRun.PerformClick();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"请选择文件夹!");
    EXPECT_EQ(services.messages[0].caption, L"提示信息");
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(form->Label13.Text(), L"");
    EXPECT_EQ(form->Label9.Text(), L"0");
}

TEST_F(RunControl, AMissingFolderWarnsKeepsTheTreeAndEmptiesTheState) {
    TempFolder temp;
    temp.File(L"a.bin", 10);
    form->FPath = temp.Path();
    form->BTNRun.PerformClick();
    ASSERT_EQ(form->Model().SizeOf(form->Model().Root()), 10);
    form->FPath = temp.Path() + L"\\gone";
    form->BTNRun.PerformClick();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"打开错误！\r磁盘或文件夹：" + temp.Path() + L"\\gone");
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(form->Model().SizeOf(form->Model().Root()), 10);
    EXPECT_EQ(form->Label13.Text(), L"");
    EXPECT_TRUE(form->BTNRun.Enabled());
}

TEST_F(RunControl, CancelMidScanLeavesAConsistentPartialTree) {
    TempFolder temp;
    spandle::SyntheticShape shape;
    shape.depth = 5;
    SlowReader reader(U16(temp.Path()), shape);
    UseReader(reader);
    form->FPath = temp.Path();
    PostLater(form->BTNCancel.Handle(), BM_CLICK, 300);
    form->BTNRun.PerformClick();
    EXPECT_EQ(form->Label13.Text(), L"取消");
    EXPECT_TRUE(form->BTNRun.Enabled());
    EXPECT_FALSE(form->BTNCancel.Visible());
    const auto& model = form->Model();
    ASSERT_NE(model.Root(), spandle::kNoNode);
    EXPECT_GT(model.Count(), 1u);
    EXPECT_LT(model.Count() - 1, spandle::SyntheticReader(U16(temp.Path()), shape).Expected().entries);
    EXPECT_EQ(form->Label9.Text(), std::to_wstring(model.Count() - 1));
    ExpectConsistent(model);
}

TEST_F(RunControl, RequestsDuringAScanAreRefusedAndTheScanGoesOn) {
    TempFolder temp;
    spandle::SyntheticShape shape;
    shape.depth = 4;
    SlowReader reader(U16(temp.Path()), shape);
    UseReader(reader);
    form->FPath = temp.Path();
    services.folderAnswers = {temp.Path()};
    PostLater(form->RzBtnDirectory.Handle(), BM_CLICK, 100);  // auto-analysis is on
    PostLater(form->Handle(), WM_CLOSE, 200);
    form->BTNRun.PerformClick();
    ASSERT_EQ(services.messages.size(), 2u);
    for (const auto& m : services.messages) {
        EXPECT_EQ(m.text, L"正在扫描，请先取消!");
        EXPECT_EQ(m.type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    }
    EXPECT_FALSE(form->Closed());
    EXPECT_EQ(form->Label13.Text(), L"完成");
    EXPECT_EQ(form->Model().Count() - 1,
              spandle::SyntheticReader(U16(temp.Path()), shape).Expected().entries);
    ExpectConsistent(form->Model());
}

TEST_F(RunControl, AFailingScanEmptiesTheTreeAndReportsThePath) {
    TempFolder temp;
    FailingReader reader(U16(temp.Path()), spandle::SyntheticShape{});
    UseReader(reader);
    form->FPath = temp.Path();
    form->BTNRun.PerformClick();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"扫描文件夹错误!\r" + temp.Path() + L"\\");
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(form->Model().Root(), spandle::kNoNode);
    EXPECT_EQ(form->Label13.Text(), L"");  // a failed run is not reported as done
    EXPECT_TRUE(form->BTNRun.Enabled());
}

TEST_F(RunControl, TheTimerCountsMinutesAndSeconds) {
    for (int i = 0; i < 75; ++i) form->Timer1Timer();
    EXPECT_EQ(form->Label10.Text(), L"1分钟15秒");
}

TEST_F(RunControl, TheFolderDialogSetsThePathAndRunsWhenAutoAnalysisIsOn) {
    TempFolder temp;
    temp.File(L"x.bin", 5);
    form->LabCur.SetText(L"C:\\");
    services.folderAnswers = {std::nullopt, temp.Path() + L"\\x.bin", temp.Path()};
    form->RzBtnDirectory.PerformClick();  // cancelled: nothing changes
    EXPECT_TRUE(form->FPath.empty());
    ASSERT_EQ(services.folderRequests.size(), 1u);
    EXPECT_EQ(services.folderRequests[0].title, L"选择文件夹或盘符");
    EXPECT_EQ(services.folderRequests[0].initialFolder, L"C:\\");

    form->RzBtnDirectory.PerformClick();  // a file is not a folder
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"请选择文件夹!");
    EXPECT_EQ(form->LabCur.Text(), L"C:\\");

    form->RzBtnDirectory.PerformClick();
    EXPECT_EQ(form->FPath, temp.Path());
    EXPECT_EQ(form->LabCur.Text(), temp.Path());
    EXPECT_EQ(form->Label1.Text(), L"");
    EXPECT_EQ(form->Label13.Text(), L"完成");
    EXPECT_EQ(form->Model().SizeOf(form->Model().Root()), 5);
}

TEST_F(RunControl, WithAutoAnalysisOffChoosingOnlySetsThePath) {
    TempFolder temp;
    form->FAutoAnalyze = false;
    services.folderAnswers = {temp.Path()};
    form->RzBtnDirectory.PerformClick();
    EXPECT_EQ(form->LabCur.Text(), temp.Path());
    EXPECT_EQ(form->Label13.Text(), L"");
    EXPECT_EQ(form->Model().Root(), spandle::kNoNode);
}

}  // namespace
