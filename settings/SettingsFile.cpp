#include "settings/SettingsFile.h"

#include <windows.h>

#include "app/FormSpandle.h"
#include "settings/IniNumber.h"

namespace settings {

int32_t SettingsFile::ReadInteger(const wchar_t* section, const wchar_t* key,
                                  int32_t fallback) const {
    wchar_t text[64] = {};
    ::GetPrivateProfileStringW(section, key, L"", text, 64, path_.c_str());
    return ParseIniInteger(text).value_or(fallback);
}

bool SettingsFile::ReadBool(const wchar_t* section, const wchar_t* key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void SettingsFile::WriteInteger(const wchar_t* section, const wchar_t* key, int32_t value) const {
    const std::wstring text = std::to_wstring(value);
    const bool written = ::WritePrivateProfileStringW(section, key, text.c_str(), path_.c_str());
    // Flushing the system's profile cache puts the key on disk now, not at some later time.
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path_.c_str());
    if (!written) throw app::AppError(L"Unable to write to " + path_);
}

void SettingsFile::WriteBool(const wchar_t* section, const wchar_t* key, bool value) const {
    WriteInteger(section, key, value ? 1 : 0);
}

std::wstring DefaultSettingsPath() {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"Spandle.ini";
}

}  // namespace settings
