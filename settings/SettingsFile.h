// "Spandle.ini" through the system's profile functions, one key per write.
#pragma once

#include <cstdint>
#include <string>

namespace settings {

class SettingsFile {
public:
    explicit SettingsFile(std::wstring path) : path_(std::move(path)) {}
    const std::wstring& Path() const { return path_; }

    int32_t ReadInteger(const wchar_t* section, const wchar_t* key, int32_t fallback) const;
    bool ReadBool(const wchar_t* section, const wchar_t* key, bool fallback) const;
    // Throws app::AppError "Unable to write to <path>" when the system refuses.
    void WriteInteger(const wchar_t* section, const wchar_t* key, int32_t value) const;
    void WriteBool(const wchar_t* section, const wchar_t* key, bool value) const;

private:
    std::wstring path_;
};

// The settings file beside the running executable.
std::wstring DefaultSettingsPath();

}  // namespace settings
