#include "commands/ContextMenu.h"

namespace commands {
namespace {

struct Item {
    UINT command;  // 0: a separator
    const wchar_t* caption;
};

constexpr Item kTopItems[] = {
    {kNRM, L"资源管理器(&X)"},
    {kNOpen, L"打开(&O)"},
    {kNSerch, L"搜索(&S)..."},
    {kNProperty, L"属性(&R)"},
    {0, nullptr},
    {kNFindMax, L"当前文件夹内最大文件(&M)"},
    {0, nullptr},
    {kNExp, L"当前文件夹全部展开(&E)"},
    {kNCollapse, L"当前文件夹全部收起(&C)"},
    {0, nullptr},
    {kNCount, L"行数(&N)"},
};

constexpr Item kExportItems[] = {
    {kHtml1, L"网页(html)"},
    {kRtf1, L"富文本(RTF)"},
    {kText1, L"文本(Text)"},
};

void Append(HMENU menu, const Item& item) {
    if (item.command == 0)
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    else
        ::AppendMenuW(menu, MF_STRING, item.command, item.caption);
}

}  // namespace

HMENU CreatePmTree() {
    HMENU menu = ::CreatePopupMenu();
    for (const Item& item : kTopItems) Append(menu, item);
    HMENU exportMenu = ::CreatePopupMenu();
    for (const Item& item : kExportItems) Append(exportMenu, item);
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(exportMenu), L"导出");
    return menu;
}

}  // namespace commands
