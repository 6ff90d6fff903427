// The three settings: read once at start, written the moment one changes on the Options page.
#include "app/FormSpandle.h"
#include "settings/SettingsFile.h"
#include "widgets/GridColumns.h"
#include "widgets/Skins.h"

namespace app {
namespace {

constexpr wchar_t kAuto[] = L"Auto", kCol[] = L"Col", kSkin[] = L"Skin";
constexpr const wchar_t* kColumnKeys[] = {L"C1", L"C2", L"C3", L"C4", L"C5", L"C6"};

}  // namespace

std::wstring TFormSpandle::SettingsPath() const {
    return options_.settingsPath.empty() ? settings::DefaultSettingsPath() : options_.settingsPath;
}

void TFormSpandle::LoadSettings() {
    FAutoAnalyze = true;
    FShowColumn.fill(true);
    FSkinIndex = 1;
    const settings::SettingsFile file(SettingsPath());
    FAutoAnalyze = file.ReadBool(kAuto, L"Act", true);
    for (size_t i = 0; i < FShowColumn.size(); ++i)
        FShowColumn[i] = file.ReadBool(kCol, kColumnKeys[i], true);
    FSkinIndex = file.ReadInteger(kSkin, L"Sk", 1);
    for (int column = 1; column <= 6; ++column) ShowColumn(column, FShowColumn[column - 1]);
    // Putting the controls in line runs their handlers where a state changes, which writes
    // those keys again; a refused write is reported and the rest still applies.
    if (widgets::IsSkinNumber(FSkinIndex)) ApplySkin(FSkinIndex);
    widgets::RadioButton* radios[] = {&RadioButton1, &RadioButton2, &RadioButton3,
                                      &RadioButton4, &RadioButton5, &RadioButton6};
    if (FSkinIndex >= 2 && FSkinIndex <= 6) Guarded([&] { radios[FSkinIndex - 1]->Check(); });
    Guarded([&] { CBAuto.SetChecked(FAutoAnalyze); });
    widgets::CheckBox* boxes[] = {&CB1, &CB2, &CB3, &CB4, &CB5, &CB6};
    for (size_t i = 0; i < 6; ++i) Guarded([&] { boxes[i]->SetChecked(FShowColumn[i]); });
}

void TFormSpandle::SaveSetting(int32_t code) {
    const auto unsignedCode = static_cast<uint32_t>(code);
    if (unsignedCode < 1 || unsignedCode > 8) return;
    const settings::SettingsFile file(SettingsPath());
    const wchar_t* key = L"Sk";
    if (code == 1) file.WriteBool(kAuto, key = L"Act", FAutoAnalyze);
    if (code >= 2 && code <= 7)
        file.WriteBool(kCol, key = kColumnKeys[code - 2], FShowColumn[code - 2]);
    if (code == 8) file.WriteInteger(kSkin, key, FSkinIndex);
    if (options_.onSettingWritten) options_.onSettingWritten(key);
}

void TFormSpandle::CBAutoClick() {
    FAutoAnalyze = CBAuto.Checked();
    SaveSetting(1);
}

void TFormSpandle::CB1Click(widgets::CheckBox& sender) {
    const int tag = sender.Tag();
    if (tag >= 2 && tag <= 7) {
        FShowColumn[tag - 2] = sender.Checked();
        ShowColumn(tag - 1, sender.Checked());
    }
    SaveSetting(tag);
}

void TFormSpandle::RadioButton1Click(widgets::RadioButton& sender) {
    if (widgets::IsSkinNumber(sender.Tag())) ApplySkin(sender.Tag());
    FSkinIndex = sender.Tag();
    SaveSetting(8);
}

void TFormSpandle::ApplySkin(int32_t number) {
    widgets::SetCurrentLook(widgets::SkinLook(number));
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Showing or hiding replaces the column's whole option set.
void TFormSpandle::ShowColumn(int column, bool shown) {
    vts.SetColumnOptions(column, shown ? widgets::kColumnShown : widgets::kColumnHidden);
}

}  // namespace app
