// The grid's context menu as the user sees it: items, captions, separators and submenu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/ContextMenu.h"

namespace {

// One line per item: its caption, "-" for a separator, "▸" before a submenu's caption, and
// the submenu's items indented below it.
std::vector<std::wstring> Layout(HMENU menu, const std::wstring& indent = L"") {
    std::vector<std::wstring> lines;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t caption[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
        info.dwTypeData = caption;
        info.cch = 128;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            lines.push_back(indent + L"-");
            continue;
        }
        // Always offered: never disabled, checked or the default item.
        EXPECT_EQ(info.fState & (MFS_DISABLED | MFS_CHECKED | MFS_DEFAULT), 0u) << caption;
        if (info.hSubMenu) {
            lines.push_back(indent + L"▸" + caption);
            for (const auto& line : Layout(info.hSubMenu, indent + L"  ")) lines.push_back(line);
        } else {
            lines.push_back(indent + caption);
        }
    }
    return lines;
}

TEST(ContextMenu, HasEveryItemInOrderWithItsAcceleratorAndTheExportSubmenu) {
    HMENU menu = commands::CreatePmTree();
    const std::vector<std::wstring> expected = {L"资源管理器(&X)",
                                                L"打开(&O)",
                                                L"搜索(&S)...",
                                                L"属性(&R)",
                                                L"-",
                                                L"当前文件夹内最大文件(&M)",
                                                L"-",
                                                L"当前文件夹全部展开(&E)",
                                                L"当前文件夹全部收起(&C)",
                                                L"-",
                                                L"行数(&N)",
                                                L"▸导出",
                                                L"  网页(html)",
                                                L"  富文本(RTF)",
                                                L"  文本(Text)"};
    EXPECT_EQ(Layout(menu), expected);
    // Every command item hands back its own identifier.
    std::vector<UINT> ids;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) ids.push_back(::GetMenuItemID(menu, i));
    const HMENU exportMenu = ::GetSubMenu(menu, ::GetMenuItemCount(menu) - 1);
    for (int i = 0; i < ::GetMenuItemCount(exportMenu); ++i)
        ids.push_back(::GetMenuItemID(exportMenu, i));
    using namespace commands;
    const UINT none = 0, sub = static_cast<UINT>(-1);
    EXPECT_EQ(ids,
              (std::vector<UINT>{kNRM, kNOpen, kNSerch, kNProperty, none, kNFindMax, none, kNExp,
                                 kNCollapse, none, kNCount, sub, kHtml1, kRtf1, kText1}));
    ::DestroyMenu(menu);
}

}  // namespace
