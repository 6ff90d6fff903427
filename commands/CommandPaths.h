// The paths and shell requests of the row commands, built from a row's node path (every
// column-0 text of the row and its ancestors, each followed by "\") and whether the row is a
// folder. Pure functions, so every request can be checked without a shell.
#pragma once

#include <string>
#include <string_view>

namespace commands {

// The directory part of x: x up to its last "\" or ":", without that "\" unless it is the
// first character or follows ":" or another "\". C:\Data\Music\ and C:\Data\Music\song.mp3
// give C:\Data\Music; C:\ and C:\song.mp3 give C:\.
std::wstring DirectoryPart(std::wstring_view x);

// The node path without its final "\"; for a file, the file's own full path.
std::wstring WithoutFinalSeparator(std::wstring_view nodePath);

// The folder that holds a file, with its final "\": C:\Data\a.txt\ gives C:\Data\.
std::wstring FolderOfFile(std::wstring_view nodePath);

constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
constexpr int kShow = 5;        // SW_SHOW

enum class ShellKind {
    CommandLine,   // WinExec: `file` holds the whole command line
    ShellExecute,  // ShellExecute with verb and file, no parameters, no directory
    InvokeIdList,  // ShellExecuteEx with SEE_MASK_INVOKEIDLIST, no window, no show command
};

struct ShellRequest {
    ShellKind kind;
    bool ownedByMainWindow;
    std::wstring verb;
    std::wstring file;
    int show;
    bool operator==(const ShellRequest&) const = default;
};

// 资源管理器: Explorer with its folder tree, on the folder or on the file's folder.
ShellRequest ExplorerRequest(std::wstring_view nodePath, bool isFolder);
// 打开: a folder in Explorer, a file through the shell's "open" verb.
ShellRequest OpenRequest(std::wstring_view nodePath, bool isFolder);
// 搜索: the shell's search, in the folder or in the file's folder.
ShellRequest SearchRequest(std::wstring_view nodePath, bool isFolder);
// 属性: the property sheet of the folder, drive or file.
ShellRequest PropertiesRequest(std::wstring_view nodePath, bool isFolder);

}  // namespace commands
