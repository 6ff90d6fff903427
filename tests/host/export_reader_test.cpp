// The RTF export as a real word processor reads it: LibreOffice converts it to text, which
// must give back every caption and cell in order. Host only; skipped without LibreOffice.
#if !defined(_WIN32)
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands/Export.h"
#include "export_fixture.h"

namespace commands {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

TEST(RtfExportRead, LibreOfficeReadsBackEveryCellInOrder) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "soffice (package libreoffice-writer-nogui) is not installed";
    char pattern[] = "/tmp/spandle-rtf-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = pattern;
    test::FixtureRows rows = test::SmallTree();
    test::StringSink sink;
    ASSERT_TRUE(RenderExport(ExportKind::Rtf, rows, sink));
    std::ofstream(folder / "tree.rtf", std::ios::binary) << sink.text;
    // A profile of its own, so a LibreOffice the user has open does not take the job.
    const std::string command = "soffice -env:UserInstallation=file://" + folder.string() +
                                "/profile --headless --convert-to txt:Text --outdir " +
                                folder.string() + " " + (folder / "tree.rtf").string() +
                                " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<std::string> read = Lines(ReadAll(folder / "tree.txt"));
    std::filesystem::remove_all(folder);

    std::vector<std::string> expected;  // the converter puts each table cell on its own line
    for (const char* caption : {"大小(字节)", "名称", "总%", "总比列图"})
        expected.push_back(caption);
    for (const auto& row : rows.Rows())
        for (const std::u16string& cell : row.cells) expected.push_back(spandle::ToUtf8(cell));
    while (!expected.empty() && expected.back().empty()) expected.pop_back();
    EXPECT_EQ(read, expected);
}

}  // namespace
}  // namespace commands
#endif
