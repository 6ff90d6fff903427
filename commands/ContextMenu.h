// PmTree, the grid's context menu: its items, captions, accelerators and the 导出 submenu.
#pragma once

#include <windows.h>

namespace commands {

// Command identifiers of the items, as the menu hands them back.
enum PmTreeCommand : UINT {
    kNRM = 4101,
    kNOpen,
    kNSerch,
    kNProperty,
    kNFindMax,
    kNExp,
    kNCollapse,
    kNCount,
    kHtml1,
    kRtf1,
    kText1,
};

// A new popup menu; the caller destroys it (with its submenu) by DestroyMenu.
HMENU CreatePmTree();

}  // namespace commands
