// The grid's context commands after a real analysis: shell calls through the seam, the
// largest file, expand and collapse, the row count and the exports of the whole tree.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands/ContextMenu.h"
#include "support/FormFixture.h"
#include "support/TempFolder.h"

namespace {

using spandle::NodeIndex;
using testing_support::FormFixture;
using testing_support::TempFolder;

// <temp>
//   报告.txt        300
//   a.bin           100
//   b.bin           100
//   收藏\            (files: 深\大.bin 900, 同样.bin 900 — a tie, 大.bin is met first)
//   空\              零.txt 0, 子\ (empty)
class ContextCommands : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        temp.File(L"报告.txt", 300);
        temp.File(L"a.bin", 100);
        temp.File(L"b.bin", 100);
        temp.Folder(L"收藏");
        temp.Folder(L"收藏\\深");
        temp.File(L"收藏\\深\\大.bin", 900);
        temp.File(L"收藏\\同样.bin", 900);
        temp.Folder(L"空");
        temp.File(L"空\\零.txt", 0);
        temp.Folder(L"空\\子");
        form->FPath = temp.Path();
        form->BTNRun.PerformClick();
        form->vts.SetSort(0, true);  // by name, ascending: 深 comes before 同样.bin
        Pump();
    }
    NodeIndex Row(const std::wstring& relative) const {
        const auto& model = form->Model();
        for (NodeIndex n = 0; n < model.Count(); ++n)
            if (form->NodePath(n) == temp.Path() + L"\\" + relative + L"\\") return n;
        ADD_FAILURE() << "no row " << testing::PrintToString(relative);
        return spandle::kNoNode;
    }
    void Focus(NodeIndex row) { form->vts.SetFocusedNode(row); }
    std::string Export(UINT command) {
        const std::wstring file = temp.Path() + L"\\..\\export-" + std::to_wstring(command);
        services.saveAnswers = {file};
        form->PmTreeCommand(command);
        std::ifstream in(std::filesystem::path(file), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        in.close();
        std::filesystem::remove(std::filesystem::path(file));
        return text.str();
    }

    TempFolder temp;
};

TEST_F(ContextCommands, ShellCommandsActOnTheFocusedRowOnly) {
    const std::wstring t = temp.Path();
    const HWND main = form->Handle();
    struct Case {
        std::wstring row;  // "" for the analysed folder's row
        UINT command;
        testing_support::ShellCall call;
    } cases[] = {
        {L"", commands::kNRM, {L"CommandLine", nullptr, L"", L"Explorer.exe /e, " + t, 1}},
        {L"", commands::kNOpen, {L"CommandLine", nullptr, L"", L"Explorer.exe " + t, 1}},
        {L"收藏", commands::kNSerch, {L"ShellExecute", nullptr, L"find", t + L"\\收藏\\", 5}},
        {L"收藏",
         commands::kNProperty,
         {L"InvokeIdList", nullptr, L"properties", t + L"\\收藏\\", 0}},
        {L"报告.txt", commands::kNRM, {L"CommandLine", nullptr, L"", L"Explorer.exe /e, " + t, 1}},
        {L"报告.txt", commands::kNOpen, {L"ShellExecute", main, L"open", t + L"\\报告.txt", 1}},
        {L"报告.txt", commands::kNSerch, {L"ShellExecute", nullptr, L"find", t + L"\\", 5}},
        {L"报告.txt",
         commands::kNProperty,
         {L"InvokeIdList", nullptr, L"properties", t + L"\\报告.txt", 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " on " << testing::PrintToString(c.row));
        Focus(c.row.empty() ? form->Model().Root() : Row(c.row));
        services.shellCalls.clear();
        form->PmTreeCommand(c.command);
        ASSERT_EQ(services.shellCalls.size(), 1u);
        const auto& call = services.shellCalls[0];
        EXPECT_EQ(call.kind, c.call.kind);
        EXPECT_EQ(call.owner, c.call.owner);
        EXPECT_EQ(call.verb, c.call.verb);
        EXPECT_EQ(call.file, c.call.file);
        EXPECT_EQ(call.show, c.call.show);
    }
    // A right click makes the clicked row the focused one before any menu opens.
    const NodeIndex clicked = Row(L"a.bin");
    const RECT cell = form->vts.CellRect(clicked, 0);
    ::SendMessageW(form->vts.Handle(), WM_RBUTTONDOWN, MK_RBUTTON,
                   MAKELPARAM(cell.right - 4, (cell.top + cell.bottom) / 2));
    EXPECT_EQ(form->vts.FocusedNode(), clicked);

    services.shellCalls.clear();
    Focus(spandle::kNoNode);
    for (UINT command : {commands::kNRM, commands::kNOpen, commands::kNSerch, commands::kNProperty})
        form->PmTreeCommand(command);
    EXPECT_TRUE(services.shellCalls.empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ContextCommands, LargestFileOpensCollapsedFoldersAndFocusesTheFirstOfATie) {
    const NodeIndex big = Row(L"收藏\\深\\大.bin");
    ASSERT_FALSE(form->vts.Expanded(Row(L"收藏")));
    ::SetFocus(form->BTNRun.Handle());
    Focus(form->Model().Root());
    form->PmTreeCommand(commands::kNFindMax);
    EXPECT_EQ(form->vts.FocusedNode(), big);
    EXPECT_EQ(form->vts.SelectedNode(), big);
    EXPECT_TRUE(form->vts.Expanded(Row(L"收藏")));
    EXPECT_TRUE(form->vts.Expanded(Row(L"收藏\\深")));
    EXPECT_EQ(::GetFocus(), form->vts.Handle());
    EXPECT_EQ(form->AppStatusBar.Panel().Text(), temp.Path() + L"\\收藏\\深\\大.bin");
    const RECT cell = form->vts.CellRect(big, 0);
    EXPECT_LT(cell.top, cell.bottom) << "the row is on screen";
}

TEST_F(ContextCommands, LargestFileDoesNothingWithoutAFileAboveZeroBytes) {
    for (const wchar_t* row : {L"空", L"空\\子", L"报告.txt"}) {
        const NodeIndex start = Row(row);
        ::SetFocus(form->BTNRun.Handle());
        Focus(start);
        Pump();
        form->PmTreeCommand(commands::kNFindMax);
        EXPECT_EQ(form->vts.FocusedNode(), start) << testing::PrintToString(row);
        EXPECT_EQ(::GetFocus(), form->BTNRun.Handle()) << testing::PrintToString(row);
        EXPECT_FALSE(form->vts.Expanded(Row(L"空"))) << testing::PrintToString(row);
    }
}

TEST_F(ContextCommands, ExpandAndCollapseTheFocusedBranchOrTheWholeTree) {
    const NodeIndex root = form->Model().Root(), deep = Row(L"收藏\\深");
    Focus(Row(L"收藏"));
    form->PmTreeCommand(commands::kNExp);
    EXPECT_TRUE(form->vts.Expanded(deep));
    EXPECT_FALSE(form->vts.Expanded(Row(L"空")));
    Focus(root);
    form->PmTreeCommand(commands::kNCollapse);
    EXPECT_FALSE(form->vts.Expanded(root));
    EXPECT_FALSE(form->vts.Expanded(deep));
    EXPECT_EQ(form->vts.FocusedNode(), root);
    Focus(spandle::kNoNode);
    form->PmTreeCommand(commands::kNExp);
    EXPECT_TRUE(form->vts.Expanded(Row(L"空")));
    EXPECT_TRUE(form->vts.Expanded(deep));
}

TEST(RowCount, CountsTheAnalysedFolderAndEveryRowBelowIt) {
    testing_support::FakeServices services;
    TempFolder temp;
    for (const wchar_t* file : {L"1.txt", L"2.txt", L"3.txt"}) temp.File(file, 10);
    temp.Folder(L"sub");
    temp.File(L"sub\\4.txt", 10);
    temp.File(L"sub\\5.txt", 10);
    app::FormOptions options;
    options.quitOnClose = false;
    app::TFormSpandle form(std::move(options));
    form.FPath = temp.Path();
    form.BTNRun.PerformClick();
    form.vts.SetFocusedNode(spandle::kNoNode);  // the focus plays no part
    form.PmTreeCommand(commands::kNCount);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"7行");
    EXPECT_EQ(services.messages[0].caption, L"统计");
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(services.messages[0].owner, form.Handle());
}

std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                       nullptr));
    return bytes;
}

TEST_F(ContextCommands, TextExportHoldsEveryRowByDepthWithoutTheHiddenColumn) {
    form->TBOptions.PerformClick();
    form->CB2.PerformClick();  // hides column 2, 大小
    const std::string text = Export(commands::kText1);

    std::string expected =
        "\xEF\xBB\xBF名称\t大小(字节)\t文件夹内%\t文件夹内比列图\t总%\t总比列图\r\n";
    const auto& model = form->Model();
    int rows = 0;
    for (NodeIndex n = model.Root(); n != spandle::kNoNode; n = model.Next(n), ++rows) {
        expected.append(model.Level(n), '\t');
        expected += Utf8(form->vtsGetText(n, 0));
        for (int column : {1, 3, 4, 5, 6}) {
            expected += '\t';
            expected += Utf8(form->vtsGetText(n, column));
        }
        expected += "\r\n";
    }
    EXPECT_EQ(rows, 11);  // collapsed folders and all
    EXPECT_EQ(text, expected);
    EXPECT_NE(text.find("\t\t\t大.bin\t900\t100.00%"), std::string::npos);
}

TEST_F(ContextCommands, HtmlAndRtfExportsCarryTheCollapsedRowsToo) {
    const std::string html = Export(commands::kHtml1);
    EXPECT_NE(html.find("<caption>Profiler Unit HTML Export</caption>"), std::string::npos);
    EXPECT_NE(html.find("&nbsp;大.bin</td>"), std::string::npos);
    const std::string rtf = Export(commands::kRtf1);
    EXPECT_NE(rtf.find("\\u22823?.bin\\cell"), std::string::npos);  // 大.bin
    ASSERT_EQ(services.saveRequests.size(), 2u);
    EXPECT_EQ(services.saveRequests[0].defaultExtension, L"html");
    EXPECT_EQ(services.saveRequests[1].defaultExtension, L"rtf");
}

TEST_F(ContextCommands, AnUnwritableTargetIsReportedAndLeavesTheGridAsItWas) {
    const NodeIndex focused = Row(L"收藏");
    Focus(focused);
    const std::wstring target = temp.Path() + L"\\没有这个文件夹\\tree.html";
    services.saveAnswers = {target};
    try {
        form->Html1Click();
        ADD_FAILURE() << "no error";
    } catch (const app::AppError& error) {
        const std::wstring start = L"Cannot create file \"" + target + L"\". ";
        EXPECT_EQ(error.Message().substr(0, start.size()), start);
    }
    EXPECT_EQ(form->vts.FocusedNode(), focused);
    EXPECT_FALSE(form->vts.Expanded(focused));
    EXPECT_EQ(form->Model().Count(), 11u);
}

}  // namespace
