// The result grid after real analyses: texts, bars as pixels, sorting by the header, focus,
// the status bar, keyboard, search and the tooltip of cut-off cells.
#include <sstream>
#include <thread>

#include "scan/SyntheticReader.h"
#include "scan/Utf16.h"
#include "support/FormFixture.h"
#include "support/Screenshot.h"
#include "support/TempFolder.h"
#include "widgets/Dpi.h"

namespace {

using spandle::NodeIndex;
using testing_support::FormFixture;
using testing_support::ScreenPixel;
using testing_support::TempFolder;

// <temp>              200000
//   大文件夹\          174510
//     全部.bin        174510  (100 % of its folder)
//   报告.txt           24690  (12.345 %)
//   小.bin               800  (0.4 %)
//   其他\                  0
//     零.txt               0
class ResultGrid : public FormFixture {
  protected:
    void Analyse() {
        temp.Folder(L"大文件夹");
        temp.File(L"大文件夹\\全部.bin", 174510);
        temp.File(L"报告.txt", 24690);
        temp.File(L"小.bin", 800);
        temp.Folder(L"其他");
        temp.File(L"其他\\零.txt", 0);
        form->FPath = temp.Path();
        form->BTNRun.PerformClick();
        Pump();
    }
    NodeIndex Find(const std::wstring& name) const {
        const auto& model = form->Model();
        for (NodeIndex n = 0; n < model.Count(); ++n)
            if (spandle::ToWide(model.Name(n)) == name) return n;
        ADD_FAILURE() << "no row " << testing::PrintToString(name);
        return spandle::kNoNode;
    }
    std::wstring Names() const {
        std::wstring names;
        for (uint32_t i = 0; i < form->vts.VisibleCount(); ++i)
            names += form->vtsGetText(form->vts.VisibleRowAt(i), 0) + L"|";
        return names;
    }
    std::wstring Status() const { return form->AppStatusBar.Panel().Text(); }
    HWND Grid() const { return form->vts.Handle(); }
    void Key(WPARAM key) { ::SendMessageW(Grid(), WM_KEYDOWN, key, 0); }
    void Char(wchar_t c) { ::SendMessageW(Grid(), WM_CHAR, c, 0); }
    void ClickHeader(int column) {
        const RECT r = form->vts.HeaderRect(column);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::SendMessageW(Grid(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(Grid(), WM_LBUTTONUP, 0, at);
    }

    TempFolder temp;
};

TEST_F(ResultGrid, AnAnalysisShowsTheRootRowFocusedExpandedAndSortedBySize) {
    Analyse();
    const auto& model = form->Model();
    const NodeIndex root = model.Root();
    EXPECT_EQ(form->vts.FocusedNode(), root);
    EXPECT_EQ(form->vts.SelectedNode(), root);
    EXPECT_TRUE(form->vts.Expanded(root));
    EXPECT_EQ(Status(), temp.Path());
    std::vector<std::wstring> texts;
    for (int c = 0; c < 7; ++c) texts.push_back(form->vtsGetText(root, c));
    EXPECT_EQ(texts,
              (std::vector<std::wstring>{temp.Path(), L"200,000", L"195KB", L"", L"", L"", L""}));
    EXPECT_EQ(Names(), temp.Path() + L"|大文件夹|报告.txt|小.bin|其他|");
    EXPECT_EQ(form->vtsGetText(Find(L"报告.txt"), 3), L"12.35%");
    EXPECT_EQ(form->vtsGetText(Find(L"零.txt"), 3), L"- %");
    EXPECT_EQ(form->vtsGetText(Find(L"零.txt"), 1), L"");
    EXPECT_EQ(form->vts.SortColumn(), 1);
    EXPECT_FALSE(form->vts.SortAscending());
    EXPECT_EQ(form->vts.TotalCount(), 7u);
    EXPECT_EQ(form->vts.Text(), L"结果表格");
    form->vts.SetExpanded(Find(L"大文件夹"), true);
    form->vts.SetExpanded(Find(L"其他"), true);
    ::SetFocus(Grid());
    EXPECT_FALSE(testing_support::SaveScreenshot(form->Handle(), L"grid-after-analysis").empty());
}

TEST_F(ResultGrid, ShareBarsArePaintedHalfAPercentAPixel) {
    Analyse();
    form->vts.SetExpanded(Find(L"大文件夹"), true);
    form->vts.SetColumnWidth(0, 100);  // so that the whole of column 6 is on screen
    Pump();
    const int s = widgets::Dpi() / 96;
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 128, 0);
    struct Case {
        const wchar_t* name;
        int column, width;
        COLORREF colour;
    };
    const Case cases[] = {
        {L"全部.bin", 4, 200, green},                          // 100 % of its folder, level 2
        {L"全部.bin", 6, 174, red},                            // 87.255 % of the total
        {L"报告.txt", 4, 24, red},                             // 12.345 %
        {L"报告.txt", 6, 24, red},    {L"小.bin", 4, 0, red},  // 0.4 %: no bar
    };
    for (const Case& c : cases) {
        const RECT cell = form->vts.CellRect(Find(c.name), c.column);
        ASSERT_GT(cell.bottom, cell.top) << c.name;
        const int left = cell.left + 3 * s, middle = (cell.top + cell.bottom) / 2;
        auto at = [&](int x, int y) { return ScreenPixel(Grid(), x, y); };
        if (c.width > 0) {
            EXPECT_EQ(at(left, middle), c.colour) << c.name << " " << c.column;
            EXPECT_EQ(at(left + c.width * s - 1, middle), c.colour) << c.name << " " << c.column;
            EXPECT_EQ(at(left, cell.top + 3 * s), c.colour);
            EXPECT_EQ(at(left, cell.bottom - 3 * s - 1), c.colour);
            EXPECT_NE(at(left, cell.bottom - 3 * s), c.colour);
        }
        EXPECT_EQ(at(left + c.width * s, middle), RGB(255, 255, 255)) << c.name << " " << c.column;
        EXPECT_EQ(at(left - 1, middle), RGB(255, 255, 255)) << c.name << " " << c.column;
    }
    // The root row has no bars at all.
    const RECT rootBar = form->vts.CellRect(form->Model().Root(), 6);
    EXPECT_EQ(ScreenPixel(Grid(), rootBar.left + 3 * s, (rootBar.top + rootBar.bottom) / 2),
              RGB(255, 255, 255));
}

TEST_F(ResultGrid, HeaderClicksSortByNameAndSizeOnly) {
    Analyse();
    const std::wstring root = temp.Path() + L"|";
    struct Step {
        int header, sortColumn;
        bool ascending;
        std::wstring rows;
    };
    const Step steps[] = {
        {0, 0, true, L"报告.txt|大文件夹|其他|小.bin|"},  // GBK order: bao, da, qi, xiao
        {0, 0, false, L"小.bin|其他|大文件夹|报告.txt|"},
        {1, 1, true, L"其他|小.bin|报告.txt|大文件夹|"},
        {2, 1, false, L"大文件夹|报告.txt|小.bin|其他|"},
        {5, 1, false, L"大文件夹|报告.txt|小.bin|其他|"},
    };
    for (const Step& step : steps) {
        ClickHeader(step.header);
        EXPECT_EQ(form->vts.SortColumn(), step.sortColumn) << "header " << step.header;
        EXPECT_EQ(form->vts.SortAscending(), step.ascending) << "header " << step.header;
        EXPECT_EQ(Names(), root + step.rows) << "header " << step.header;
    }
    EXPECT_FALSE(testing_support::SaveScreenshot(form->Handle(), L"grid-sorted-by-size").empty());
}

TEST_F(ResultGrid, CollapsingAnAncestorOfTheFocusedRowTakesTheFocus) {
    Analyse();
    const NodeIndex big = Find(L"大文件夹"), all = Find(L"全部.bin"), other = Find(L"其他");
    form->vts.SetExpanded(big, true);
    form->vts.SetExpanded(other, true);
    form->vts.SetFocusedNode(all);
    EXPECT_EQ(Status(), temp.Path() + L"\\大文件夹\\全部.bin");
    form->vts.SetExpanded(other, false);  // elsewhere: nothing moves
    EXPECT_EQ(form->vts.FocusedNode(), all);
    form->vts.SetExpanded(big, false);
    EXPECT_EQ(form->vts.FocusedNode(), big);
    EXPECT_EQ(form->vts.SelectedNode(), big);
    EXPECT_EQ(Status(), temp.Path() + L"\\大文件夹");
    form->vts.SetExpanded(big, true);
    form->vts.SetExpanded(big, false);  // the focused row itself: it stays
    EXPECT_EQ(form->vts.FocusedNode(), big);
}

TEST_F(ResultGrid, TheStatusBarOfADriveRootIsTheDriveAlone) {
    spandle::SyntheticShape shape;
    shape.depth = 1;
    spandle::SyntheticReader reader(u"C:", shape);
    app::FormOptions options;
    options.reader = &reader;
    CreateForm(std::move(options));
    form->FPath = L"C:\\";
    form->BTNRun.PerformClick();
    EXPECT_EQ(form->NodePath(form->Model().Root()), L"C:\\");
    EXPECT_EQ(Status(), L"C:");
}

TEST_F(ResultGrid, KeyboardMovesExpandsAndCollapses) {
    Analyse();
    const NodeIndex root = form->Model().Root(), big = Find(L"大文件夹");
    ::SetFocus(Grid());
    Key(VK_DOWN);
    EXPECT_EQ(form->vts.FocusedNode(), big);
    EXPECT_EQ(form->vts.SelectedNode(), big);
    Key(VK_RIGHT);
    EXPECT_TRUE(form->vts.Expanded(big));
    Key(VK_RIGHT);
    EXPECT_EQ(form->vts.FocusedNode(), Find(L"全部.bin"));
    Key(VK_LEFT);
    EXPECT_EQ(form->vts.FocusedNode(), big);
    Key(VK_LEFT);
    EXPECT_FALSE(form->vts.Expanded(big));
    Key(VK_END);
    EXPECT_EQ(form->vts.FocusedNode(), Find(L"其他"));
    Key(VK_HOME);
    EXPECT_EQ(form->vts.FocusedNode(), root);
    Key(VK_NEXT);
    EXPECT_EQ(form->vts.FocusedNode(), Find(L"其他"));  // a page down stops at the last row
    Key(VK_SUBTRACT);
    Char(L'-');
    Key(VK_HOME);
    Key(VK_SUBTRACT);
    Char(L'-');  // the keypad's character is not searched for
    EXPECT_FALSE(form->vts.Expanded(root));
    EXPECT_EQ(form->vts.VisibleCount(), 1u);
    Key(VK_MULTIPLY);
    EXPECT_EQ(form->vts.VisibleCount(), 7u);
    EXPECT_EQ(form->vts.FocusedNode(), root);
}

TEST_F(ResultGrid, IncrementalSearchFindsRowsInCollapsedFolders) {
    Analyse();
    ::SetFocus(Grid());
    Char(L'全');
    const NodeIndex all = Find(L"全部.bin");
    EXPECT_EQ(form->vts.FocusedNode(), all);
    EXPECT_TRUE(form->vts.Expanded(Find(L"大文件夹")));
    EXPECT_EQ(Status(), temp.Path() + L"\\大文件夹\\全部.bin");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    Char(L'小');
    Char(L'.');
    Char(L'B');  // continues the text, case folded
    EXPECT_EQ(form->vts.FocusedNode(), Find(L"小.bin"));
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    Char(L'零');  // a new text after the pause
    EXPECT_EQ(form->vts.FocusedNode(), Find(L"零.txt"));
    Char(L'x');  // no row starts with "零x": the focus stays
    EXPECT_EQ(form->vts.FocusedNode(), Find(L"零.txt"));
}

TEST_F(ResultGrid, ARightClickFocusesTheRowAndTheMenuIsOnlyForNames) {
    Analyse();
    const NodeIndex tiny = Find(L"小.bin");
    const RECT cell = form->vts.CellRect(tiny, 2);
    const LPARAM at = MAKELPARAM(cell.left + 5, cell.top + 5);
    ::SendMessageW(Grid(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    ::SendMessageW(Grid(), WM_RBUTTONUP, 0, at);
    EXPECT_EQ(form->vts.FocusedNode(), tiny);
    EXPECT_EQ(form->vts.SelectedNode(), tiny);
    EXPECT_EQ(Status(), temp.Path() + L"\\小.bin");
    form->PmTree = ::CreatePopupMenu();
    EXPECT_EQ(form->vtsGetPopupMenu(tiny, 0, {}), form->PmTree);
    EXPECT_EQ(form->vtsGetPopupMenu(tiny, 2, {}), nullptr);
    EXPECT_EQ(form->vtsGetPopupMenu(spandle::kNoNode, 0, {}), nullptr);
    ::DestroyMenu(form->PmTree);
    form->PmTree = nullptr;
}

TEST_F(ResultGrid, CutOffCellsShowTheirWholeTextAsTooltip) {
    Analyse();
    const NodeIndex report = Find(L"报告.txt");
    RECT cell = form->vts.CellRect(report, 0);
    const POINT inName{cell.left + 40, cell.top + 5};
    EXPECT_EQ(form->vts.TruncatedTextAt(inName), L"");
    form->vts.SetColumnWidth(0, 50);
    EXPECT_EQ(form->vts.TruncatedTextAt(inName), L"报告.txt");
    cell = form->vts.CellRect(report, 1);
    form->vts.SetColumnWidth(1, 20);
    EXPECT_EQ(form->vts.TruncatedTextAt({cell.left + 5, cell.top + 5}), L"24,690");
    EXPECT_FALSE(testing_support::SaveScreenshot(form->Handle(), L"grid-narrow-columns").empty());
}

TEST_F(ResultGrid, IconsFollowTheFolderStateAndTheFileType) {
    Analyse();
    auto& icons = form->FIconList;
    const NodeIndex big = Find(L"大文件夹");
    const int closed = form->vtsGetImageIndex(big, 0);
    EXPECT_EQ(closed, icons.ClosedFolderIndex());
    form->vts.SetExpanded(big, true);
    EXPECT_EQ(form->vtsGetImageIndex(big, 0), icons.OpenFolderIndex());
    EXPECT_EQ(form->vtsGetImageIndex(Find(L"报告.txt"), 0), icons.FileIndex(L"另一个.TXT"));
    EXPECT_EQ(form->vtsGetImageIndex(Find(L"报告.txt"), 1), -1);
    const int count = icons.Count();
    for (int i = 0; i < 5; ++i) {
        form->vts.Invalidate();
        Pump();
    }
    EXPECT_EQ(icons.Count(), count);  // painting copies nothing more
}

// Columns as the Options page and the export use them.
TEST_F(ResultGrid, ColumnOptionsOrderAndTheWalkOverEveryRow) {
    Analyse();
    auto& grid = form->vts;
    EXPECT_EQ(grid.ColumnOptions(3), 0x8FFu);
    grid.SetColumnOptions(3, widgets::kColumnHidden);
    EXPECT_EQ(grid.ColumnOptions(3), 0x87Fu);
    grid.MoveColumn(5, 0);
    EXPECT_EQ(grid.VisibleColumns(), (std::vector<int>{5, 0, 1, 2, 4, 6}));
    EXPECT_EQ(grid.Column(4).width, 206 * widgets::Dpi() / 96);
    grid.SetColumnWidth(4, 10);
    EXPECT_EQ(grid.Column(4).width, 206 * widgets::Dpi() / 96);
    std::wstring all;
    for (widgets::RowId row = grid.FirstNode(); row != widgets::kNoRow; row = grid.NextNode(row))
        all += grid.CellText(row, 0) + L"|";
    EXPECT_EQ(all, temp.Path() + L"|大文件夹|全部.bin|报告.txt|小.bin|其他|零.txt|");
    EXPECT_EQ(grid.VisibleCount(), 5u);  // the walk expands nothing
    grid.FullExpand();
    EXPECT_EQ(grid.VisibleCount(), 7u);
    grid.FullCollapse(Find(L"大文件夹"));
    EXPECT_EQ(grid.VisibleCount(), 6u);
    grid.FullCollapse();
    EXPECT_EQ(grid.VisibleCount(), 1u);
    grid.MakeFullyVisible(Find(L"零.txt"));
    EXPECT_EQ(Names(), temp.Path() + L"|大文件夹|报告.txt|小.bin|其他|零.txt|");
}

TEST_F(ResultGrid, ANodeStreamsAsIts320ByteRecord) {
    Analyse();
    std::stringstream stream;
    form->vtsSaveNode(Find(L"报告.txt"), stream);
    EXPECT_EQ(stream.str().size(), 320u);
    EXPECT_EQ(stream.str().substr(44, 8), "\xB1\xA8\xB8\xE6.txt");  // the name in GBK
    const spandle::RecordNode back = form->vtsLoadNode(stream);
    EXPECT_EQ(spandle::ToWide(back.name), L"报告.txt");
    EXPECT_EQ(back.size, 24690u);
    EXPECT_EQ(back.attributes & 0x10u, 0u);
}

}  // namespace
