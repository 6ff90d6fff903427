// The fixed message texts of the main window. "\r" breaks the line in a message box.
#pragma once

namespace app::texts {

inline constexpr wchar_t kTitle[] = L"提示信息";
inline constexpr wchar_t kBusy[] = L"正在扫描，请先取消!";
inline constexpr wchar_t kConfirmExit[] = L"您确认要退出磁盘空间分析软件?";
inline constexpr wchar_t kSmallSlices[] = L"所有<5%合集";
inline constexpr wchar_t kRows[] = L"行";
inline constexpr wchar_t kCount[] = L"统计";
inline constexpr wchar_t kChooseFolder[] = L"请选择文件夹!";
inline constexpr wchar_t kDone[] = L"完成";
inline constexpr wchar_t kScanning[] = L"正在扫描";
inline constexpr wchar_t kCancelled[] = L"取消";
inline constexpr wchar_t kOpenError[] = L"打开错误！\r磁盘或文件夹：";
inline constexpr wchar_t kScanError[] = L"扫描文件夹错误!\r";
inline constexpr wchar_t kMinutes[] = L"分钟";
inline constexpr wchar_t kSeconds[] = L"秒";

}  // namespace app::texts
