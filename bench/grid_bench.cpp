// Figures of the result grid on synthetic trees: re-sorting a million siblings, a header
// click on ten million nodes, expanding and collapsing a million-child folder, painting one
// screen, and the grid's own memory per visible row. Prints "grid.NAME VALUE UNIT" lines and
// whether each bound is met.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "scan/AnsiCodePage.h"
#include "scan/TreeModel.h"
#include "views/GridText.h"
#include "views/ModelRows.h"
#include "widgets/Dpi.h"
#include "widgets/TreeGrid.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr uint32_t kFolder = 0x10;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

void Report(const char* name, double value, const char* unit, double bound) {
    std::printf("grid.%s %.2f %s\n", name, value, unit);
    std::printf("target grid.%s %s (<= %.0f %s)\n", name, value <= bound ? "met" : "missed", bound,
                unit);
}

// A grid owner that shows the model as the program does, without a main window.
class Owner final : public widgets::TreeGridOwner {
public:
    explicit Owner(spandle::TreeModel& model) : model_(model) {}
    std::wstring CellText(widgets::RowId row, int column) const override {
        return views::CellText(model_, row, column, separators_);
    }
    void ApplySort(int column, bool ascending) override {
        if (column <= 1) model_.SetSort({static_cast<spandle::SortColumn>(column), ascending});
    }

private:
    spandle::TreeModel& model_;
    spandle::NumberSeparators separators_;
};

// Children named as on disk: mixed names, sizes skewed like real files.
void AddFiles(spandle::TreeModel& model, spandle::NodeIndex folder, uint32_t n,
              std::mt19937_64& random) {
    std::vector<std::u16string> names(n);
    std::vector<spandle::NewNode> nodes(n);
    for (uint32_t i = 0; i < n; ++i) {
        const uint64_t r = random();
        names[i] = u"file_" + std::u16string(1, u'a' + r % 26);
        for (uint64_t x = r >> 8, k = 0; k < 6; ++k, x /= 10) names[i] += u'0' + x % 10;
        nodes[i] = {names[i], 0, (r >> 20) % (1u << (r % 24)), 0};
    }
    const spandle::NodeIndex first = model.AppendChildren(folder, nodes);
    uint64_t total = 0;
    for (uint32_t i = 0; i < n; ++i) total += nodes[i].size;
    (void)first;
    model.AddSize(folder, total);
}

void BuildFlat(spandle::TreeModel& model, uint32_t n) {
    std::mt19937_64 random(7);
    AddFiles(model, model.AddRoot(u"D:\\Flat", kFolder), n, random);
}

// root, 100 folders, 100 folders in each, 1000 files in each: 10 010 101 nodes.
void BuildDeep(spandle::TreeModel& model, uint32_t fan, uint32_t files) {
    std::mt19937_64 random(11);
    const spandle::NodeIndex root = model.AddRoot(u"D:\\Deep", kFolder);
    std::vector<std::u16string> names(fan);
    std::vector<spandle::NewNode> folders(fan);
    for (uint32_t i = 0; i < fan; ++i) {
        names[i] = u"folder_" + std::u16string(1, u'0' + i % 10) + std::u16string(1, u'0' + i / 10 % 10);
        folders[i] = {names[i], kFolder, 0, 0};
    }
    const spandle::NodeIndex first = model.AppendChildren(root, folders);
    for (uint32_t i = 0; i < fan; ++i) {
        const spandle::NodeIndex inner = model.AppendChildren(first + i, folders);
        for (uint32_t j = 0; j < fan; ++j) AddFiles(model, inner + j, files, random);
    }
}

struct Screen {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    explicit Screen(HWND window) {
        HDC screen = ::GetDC(window);
        dc = ::CreateCompatibleDC(screen);
        bitmap = ::CreateCompatibleBitmap(screen, 1200, 900);
        old = ::SelectObject(dc, bitmap);
        ::ReleaseDC(window, screen);
    }
    ~Screen() {
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
};

struct GridUnderTest {
    spandle::AnsiCodePage codePage;
    spandle::TreeModel model{codePage};
    views::ModelRows rows{model};
    Owner owner{model};
    widgets::TreeGrid grid;
    void Create(HWND parent) {
        grid.Create(parent, {0, 0, 1200, 900}, rows, owner);
        for (const views::GridColumnSpec& c : views::kGridColumns)
            grid.AddColumn({c.caption, c.width, c.rightAligned ? widgets::Alignment::Right
                                                               : widgets::Alignment::Left,
                            c.minWidth, c.maxWidth, widgets::kColumnShown});
    }
    double PaintMs() {
        Screen screen(grid.Handle());
        const auto start = Clock::now();
        grid.PaintTo(screen.dc);
        return Ms(start);
    }
};

// What a plain sort of a million 64-bit keys costs on this machine, in this run.
double BaselineSortMs() {
    std::mt19937_64 random(3);
    std::vector<std::pair<uint64_t, uint32_t>> keys(1000000);
    for (uint32_t i = 0; i < keys.size(); ++i) keys[i] = {random() % (1u << 20), i};
    const auto start = Clock::now();
    std::sort(keys.begin(), keys.end());
    return Ms(start);
}

void SortFigures(HWND parent) {
    const double baseline = BaselineSortMs();
    std::printf("grid.baseline_sort_1m %.2f ms\n", baseline);
    GridUnderTest t;
    BuildFlat(t.model, 1000000);
    t.Create(parent);
    const spandle::NodeIndex root = t.model.Root();
    t.grid.SetExpanded(root, true);  // sorts once by size, descending
    auto start = Clock::now();
    t.grid.SetSort(1, true);
    t.model.DisplayChild(root, 0);
    const double bySize = Ms(start);
    Report("resort_1m_by_size", bySize, "ms", 150);
    std::printf("grid.resort_1m_by_size_to_baseline %.2f x\n", bySize / baseline);
    start = Clock::now();
    t.grid.SetSort(0, true);
    t.model.DisplayChild(root, 0);
    const double byName = Ms(start);
    Report("resort_1m_by_name", byName, "ms", 400);
    std::printf("grid.resort_1m_by_name_to_baseline %.2f x\n", byName / baseline);
    start = Clock::now();
    t.grid.SetExpanded(root, false);
    t.grid.SetExpanded(root, true);
    t.PaintMs();
    Report("collapse_expand_1m", Ms(start), "ms", 200);
    t.grid.SetExpanded(root, false);
    t.grid.SetSort(1, false);
    start = Clock::now();
    t.grid.SetExpanded(root, true);  // the first look after a new sort: sorts the million
    t.PaintMs();
    t.grid.SetExpanded(root, false);
    Report("expand_collapse_1m_unsorted", Ms(start), "ms", 200);
    t.grid.SetExpanded(root, true);
    const double bytes = static_cast<double>(t.grid.MemoryBytes()) / t.grid.VisibleCount();
    Report("memory_per_visible_row_1m", bytes, "bytes", 8);
}

void DeepFigures(HWND parent) {
    GridUnderTest small, big;
    BuildDeep(small.model, 10, 10);
    BuildDeep(big.model, 100, 1000);
    std::printf("grid.deep_tree_nodes %u nodes\n", big.model.Count());
    for (GridUnderTest* t : {&small, &big}) {
        t->Create(parent);
        t->grid.SetExpanded(t->model.Root(), true);
        t->grid.SetExpanded(t->model.DisplayChild(t->model.Root(), 0), true);
        t->grid.SetExpanded(t->model.DisplayChild(t->model.DisplayChild(t->model.Root(), 0), 0), true);
        t->PaintMs();
    }
    double paintSmall = 1e9, paintBig = 1e9, clickSmall = 1e9, clickBig = 1e9;
    for (int i = 0; i < 5; ++i) {
        paintSmall = std::min(paintSmall, small.PaintMs());
        paintBig = std::min(paintBig, big.PaintMs());
        for (auto [t, best] : {std::pair{&small, &clickSmall}, std::pair{&big, &clickBig}}) {
            const auto start = Clock::now();
            t->grid.SetSort(i % 2 ? 0 : 1, i % 2 == 0);  // a header click and its repaint
            t->PaintMs();
            *best = std::min(*best, Ms(start));
        }
    }
    Report("paint_screen_10m", paintBig, "ms", 5);
    Report("paint_ratio_10m_to_1k", paintBig / paintSmall, "x", 2);
    Report("header_click_10m", clickBig, "ms", 100);
    std::printf("grid.header_click_1k %.2f ms\n", clickSmall);
    const auto start = Clock::now();
    big.grid.FullExpand();
    std::printf("grid.full_expand_10m %.0f ms\n", Ms(start));
    const double bytes = static_cast<double>(big.grid.MemoryBytes()) / big.grid.VisibleCount();
    Report("memory_per_visible_row_10m_expanded", bytes, "bytes", 8);
    Report("paint_screen_10m_expanded", big.PaintMs(), "ms", 5);
}

}  // namespace

int main() {
    widgets::InitDpi();
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"grid bench", WS_OVERLAPPEDWINDOW, 0, 0, 1220,
                                    940, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    SortFigures(parent);
    DeepFigures(parent);
    ::DestroyWindow(parent);
    return 0;
}
