#include "commands/SaveExport.h"

#include <algorithm>
#include <string>

#include "app/FormSpandle.h"

namespace commands {
namespace {

class FileSink final : public ByteSink {
  public:
    explicit FileSink(HANDLE file) : file_(file) {}
    ~FileSink() override { ::CloseHandle(file_); }
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    bool Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(file_, bytes.data(), piece, &written, nullptr) || written == 0)
                return false;
            bytes.remove_prefix(written);
        }
        return true;
    }

  private:
    HANDLE file_;
};

std::wstring FullName(const std::wstring& name) {
    std::wstring full(32768, L'\0');
    const DWORD length =
        ::GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return name;
    full.resize(length);
    return full;
}

// The system's description of an error, without the line break it ends with.
std::wstring SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason(text ? text : L"", length);
    if (text) ::LocalFree(text);
    const size_t end = reason.find_last_not_of(L" \t\r\n");
    reason.erase(end == std::wstring::npos ? 0 : end + 1);
    return reason;
}

HANDLE CreateExportFile(const std::wstring& name) {
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        throw app::AppError(L"Cannot create file \"" + FullName(name) + L"\". " +
                            SystemReason(error));
    }
    return file;
}

}  // namespace

platform::SaveDialogRequest SaveRequestFor(ExportKind kind) {
    switch (kind) {
        case ExportKind::Html:
            return {L"*.html|*.html", L"html", 0};
        case ExportKind::Rtf:
            return {L"*.rtf|*.rtf", L"rtf", 0};
        case ExportKind::Text:
            return {L"*.txt|*.txt", L"txt", 0};
    }
    return {};
}

void SaveExport(HWND owner, ExportKind kind, ExportRows& rows) {
    const auto name = platform::Current().ChooseSaveFile(owner, SaveRequestFor(kind));
    if (!name) return;
    FileSink file(CreateExportFile(*name));
    if (!RenderExport(kind, rows, file)) throw app::AppError(L"Stream write error");
}

}  // namespace commands
