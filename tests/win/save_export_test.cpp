// The save step of the exports through the real file system: dialog settings, the file as
// rendered, a cancelled dialog, a file that cannot be created and a disk that fills up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../host/export_fixture.h"
#include "app/FormSpandle.h"
#include "commands/SaveExport.h"
#include "support/FakeServices.h"
#include "support/TempFolder.h"

namespace {

using commands::ExportKind;
using testing_support::FakeServices;
using testing_support::TempFolder;

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ErrorOf(ExportKind kind, commands::ExportRows& rows) {
    try {
        commands::SaveExport(nullptr, kind, rows);
    } catch (const app::AppError& error) {
        return error.Message();
    }
    return L"(no error)";
}

TEST(SaveExport, AsksForItsFileTypeAndReplacesTheFileWithTheRendering) {
    const struct {
        ExportKind kind;
        const wchar_t *filter, *extension;
    } cases[] = {{ExportKind::Html, L"*.html|*.html", L"html"},
                 {ExportKind::Rtf, L"*.rtf|*.rtf", L"rtf"},
                 {ExportKind::Text, L"*.txt|*.txt", L"txt"}};
    for (const auto& c : cases) {
        FakeServices services;
        TempFolder temp;
        const std::wstring target = temp.File(L"导出.out", 3000000);  // longer than the export
        services.saveAnswers = {target};
        auto rows = commands::test::SmallTree();
        commands::SaveExport(nullptr, c.kind, rows);

        ASSERT_EQ(services.saveRequests.size(), 1u);
        EXPECT_EQ(services.saveRequests[0].filter, c.filter);
        EXPECT_EQ(services.saveRequests[0].defaultExtension, c.extension);
        EXPECT_EQ(services.saveRequests[0].filterIndex, 0);
        auto again = commands::test::SmallTree();
        commands::test::StringSink expected;
        ASSERT_TRUE(commands::RenderExport(c.kind, again, expected));
        EXPECT_EQ(ReadFile(target), expected.text);
        EXPECT_TRUE(services.messages.empty());
    }
}

TEST(SaveExport, ACancelledDialogWritesNothingAndReadsNoRow) {
    FakeServices services;
    TempFolder temp;
    services.saveAnswers = {std::nullopt};
    commands::test::RepeatedRows rows({{0, u"名称"}}, {0, {u"x"}}, 3);
    commands::SaveExport(nullptr, ExportKind::Text, rows);
    EXPECT_EQ(services.saveRequests.size(), 1u);
    EXPECT_EQ(rows.Left(), 3u);
    EXPECT_TRUE(services.messages.empty());
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((temp.Path() + L"\\*.*").c_str(), &found);
    int entries = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do ++entries;
        while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    EXPECT_EQ(entries, 2);  // "." and ".." only
}

TEST(SaveExport, AFileThatCannotBeCreatedNamesItselfAndTheSystemsReason) {
    FakeServices services;
    TempFolder temp;
    const std::wstring missingFolder = temp.Path() + L"\\没有\\tree.html";
    const std::wstring aFolder = temp.Folder(L"已有文件夹");
    for (const std::wstring& target : {missingFolder, aFolder}) {
        services.saveAnswers = {target};
        auto rows = commands::test::SmallTree();
        const std::wstring error = ErrorOf(ExportKind::Html, rows);
        const std::wstring start = L"Cannot create file \"" + target + L"\". ";
        ASSERT_EQ(error.substr(0, start.size()), start);
        const std::wstring reason = error.substr(start.size());
        EXPECT_FALSE(reason.empty()) << target;
        EXPECT_EQ(reason.find_last_of(L"\r\n"), std::wstring::npos);
    }
    EXPECT_FALSE(Exists(missingFolder));
}

TEST(SaveExport, AFullDiskIsAStreamWriteError) {
    // Wine maps Z: to the root of the Linux file system, whose /dev/full refuses every write.
    const HANDLE probe = ::CreateFileW(L"Z:\\dev\\full", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) GTEST_SKIP() << "no Z:\\dev\\full on this system";
    ::CloseHandle(probe);
    FakeServices services;
    services.saveAnswers = {L"Z:\\dev\\full"};
    commands::test::RepeatedRows rows({{0, u"名称"}}, {0, {u"x"}}, 100000);
    EXPECT_EQ(ErrorOf(ExportKind::Text, rows), L"Stream write error");
    EXPECT_GT(rows.Left(), 0u);
}

}  // namespace
