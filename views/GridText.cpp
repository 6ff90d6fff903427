#include "views/GridText.h"

#include "scan/CodePage.h"
#include "scan/Utf16.h"

namespace views {
namespace {

using spandle::kNoNode;
using spandle::NodeIndex;
using spandle::Size;
using spandle::TreeModel;

std::wstring ShareText(Size part, Size whole, const std::wstring& decimal) {
    if (whole == 0) return L"- %";
    return spandle::FormatShareNumber(spandle::ShareScaled(part, whole), decimal) + L"%";
}

}  // namespace

const GridColumnSpec kGridColumns[kGridColumnCount] = {
    {L"名称", 200, false, 0, 0},
    {L"大小(字节)", 100, true, 0, 0},
    {L"大小", 60, true, 0, 0},
    {L"文件夹内%", 80, true, 0, 0},
    {L"文件夹内比列图", 206, false, 206, 206},
    {L"总%", 60, true, 0, 0},
    {L"总比列图", 206, false, 206, 206},
};

std::wstring CellText(const TreeModel& model, NodeIndex node, int column,
                      const spandle::NumberSeparators& separators) {
    if (node == kNoNode || node >= model.Count()) return {};
    const Size size = model.SizeOf(node);
    const NodeIndex parent = model.Parent(node);
    switch (column) {
        case kColumnName:
            return spandle::ToWide(model.Name(node));
        case kColumnBytes:
            return size == 0
                       ? L""
                       : spandle::FormatGrouped(static_cast<uint64_t>(size), separators.thousands);
        case kColumnSizeText:
            return spandle::FormatSize(size, separators);
        case kColumnFolderShare:
            if (parent == kNoNode) return {};
            return ShareText(size, model.SizeOf(parent), separators.decimal);
        case kColumnTotalShare:
            if (node == model.Root()) return {};
            return ShareText(size, model.SizeOf(model.Root()), separators.decimal);
        default:
            return {};
    }
}

std::wstring NodePath(const TreeModel& model, NodeIndex node) {
    if (node == kNoNode) return L"\\";
    std::wstring path;
    for (NodeIndex n = node; n != kNoNode; n = model.Parent(n))
        path.insert(0, spandle::ToWide(model.Name(n)) + L'\\');
    return path;
}

std::wstring StatusText(const TreeModel& model, NodeIndex node) {
    std::wstring path = NodePath(model, node);
    path.pop_back();
    return path;
}

int CompareNames(const spandle::CodePage& codePage, std::u16string_view a, std::u16string_view b) {
    std::string x, y;
    codePage.Encode(a, x);
    codePage.Encode(b, y);
    auto fold = [](const std::string& s, size_t i) {
        const int c = i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
        return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
    };
    for (size_t i = 0; i <= x.size() && i <= y.size(); ++i) {
        const int d = fold(x, i) - fold(y, i);
        if (d != 0 || i == x.size()) return d;
    }
    return 0;
}

int CompareNodes(const TreeModel& model, const spandle::CodePage& codePage, NodeIndex a,
                 NodeIndex b, int column) {
    if (a == kNoNode || b == kNoNode) return 0;
    if (column == kColumnName) return CompareNames(codePage, model.Name(a), model.Name(b));
    if (column != kColumnBytes) return 0;
    const Size x = model.SizeOf(a), y = model.SizeOf(b);
    return x > y ? 1 : x < y ? -1 : 0;
}

widgets::Colour LevelColour(uint32_t level) {
    using widgets::Rgb;
    static constexpr widgets::Colour kLevels[20] = {
        Rgb(255, 0, 0),   Rgb(0, 128, 0),   Rgb(0, 0, 255),     Rgb(255, 0, 255),
        Rgb(64, 192, 0),  Rgb(192, 64, 0),  Rgb(0, 255, 0),     Rgb(255, 0, 128),
        Rgb(0, 0, 128),   Rgb(0, 128, 255), Rgb(255, 128, 0),   Rgb(0, 128, 128),
        Rgb(0, 255, 255), Rgb(128, 0, 128), Rgb(128, 128, 128), Rgb(255, 255, 0),
        Rgb(128, 0, 0),   Rgb(128, 128, 0), Rgb(192, 192, 192), Rgb(0, 0, 0)};
    return kLevels[(level + 19) % 20];
}

std::optional<ShareBar> BarOf(const TreeModel& model, NodeIndex node, int column) {
    if (node == kNoNode || node >= model.Count()) return std::nullopt;
    NodeIndex reference;
    widgets::Colour colour;
    if (column == kColumnFolderBar) {
        reference = model.Parent(node);
        if (reference == kNoNode) return std::nullopt;
        colour = LevelColour(model.Level(node));
    } else if (column == kColumnTotalBar) {
        reference = model.Root();
        if (node == reference) return std::nullopt;
        colour = widgets::Rgb(255, 0, 0);
    } else {
        return std::nullopt;
    }
    const Size whole = model.SizeOf(reference);
    const int width =
        whole == 0 ? 0 : static_cast<int>(spandle::ShareScaled(model.SizeOf(node), whole) / 500);
    return ShareBar{colour, width};
}

std::optional<SortState> AfterHeaderClick(int clicked, SortState current) {
    if (clicked < 0 || clicked > 2) return std::nullopt;
    return SortState{clicked == 2 ? 1 : clicked, !current.ascending};
}

}  // namespace views
