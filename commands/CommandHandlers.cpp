// The context menu's row commands. They act on the grid's focused row, which a right click
// has made the clicked row; none of them adds, removes or changes a node.
#include "app/FormSpandle.h"
#include "commands/CommandPaths.h"
#include "commands/ContextMenu.h"
#include "commands/LargestFile.h"
#include "platform/Services.h"

namespace app {

void TFormSpandle::PmTreeCommand(UINT command) {
    switch (command) {
        case commands::kNRM:
            return NRMClick();
        case commands::kNOpen:
            return NOpenClick();
        case commands::kNSerch:
            return NSerchClick();
        case commands::kNProperty:
            return NPropertyClick();
        case commands::kNFindMax:
            return NFindMaxClick();
        case commands::kNExp:
            return NExpClick();
        case commands::kNCollapse:
            return NCollapseClick();
        case commands::kNCount:
            return NCountClick();
        case commands::kHtml1:
            return Html1Click();
        case commands::kRtf1:
            return Rtf1Click();
        case commands::kText1:
            return Text1Click();
        default:
            return;
    }
}

// Results of the shell are not checked: what the shell reports by itself is all the user sees.
void TFormSpandle::RunOnFocusedRow(commands::ShellRequest (*request)(std::wstring_view, bool)) {
    const spandle::NodeIndex node = vts.FocusedNode();
    if (node == spandle::kNoNode) return;
    const commands::ShellRequest r = request(NodePath(node), model_.IsFolder(node));
    platform::Services& shell = platform::Current();
    switch (r.kind) {
        case commands::ShellKind::CommandLine:
            return shell.RunCommandLine(r.file, r.show);
        case commands::ShellKind::ShellExecute:
            return shell.ShellExecute(r.ownedByMainWindow ? hwnd_ : nullptr, r.verb, r.file,
                                      r.show);
        case commands::ShellKind::InvokeIdList:
            return shell.ShellExecuteInvokeIdList(r.verb, r.file);
    }
}

void TFormSpandle::NRMClick() {
    RunOnFocusedRow(&commands::ExplorerRequest);
}
void TFormSpandle::NOpenClick() {
    RunOnFocusedRow(&commands::OpenRequest);
}
void TFormSpandle::NSerchClick() {
    RunOnFocusedRow(&commands::SearchRequest);
}
void TFormSpandle::NPropertyClick() {
    RunOnFocusedRow(&commands::PropertiesRequest);
}

void TFormSpandle::NFindMaxClick() {
    FocusLargestFile(vts.FocusedNode());
}

void TFormSpandle::FocusLargestFile(spandle::NodeIndex node) {
    const spandle::NodeIndex largest = commands::FindLargestFile(model_, node);
    if (largest == spandle::kNoNode) return;
    ::SetFocus(vts.Handle());
    // Focus and selection follow even when making the row visible fails; the error goes on.
    struct Finish {
        widgets::TreeGrid& grid;
        spandle::NodeIndex row;
        ~Finish() {
            grid.EndUpdate();
            grid.SetFocusedNode(row);
            grid.Select(row);
        }
    } finish{vts, largest};
    vts.BeginUpdate();
    vts.MakeFullyVisible(largest);
}

void TFormSpandle::NExpClick() {
    vts.FullExpand(vts.FocusedNode());
}
void TFormSpandle::NCollapseClick() {
    vts.FullCollapse(vts.FocusedNode());
}

void TFormSpandle::NCountClick() {
    MessageBox(std::to_wstring(vts.TotalCount()) + FMsgRows, FMsgCount, MB_OK);
}

}  // namespace app
