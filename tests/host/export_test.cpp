#include "commands/Export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "export_fixture.h"

namespace commands {
namespace {

using test::FixtureRows;
using test::SmallTree;
using test::StringSink;

std::string Render(ExportKind kind, FixtureRows rows) {
    StringSink sink;
    EXPECT_TRUE(RenderExport(kind, rows, sink));
    return sink.text;
}

// Every line break is CR LF, and so is the end of the file.
void ExpectCrLfThroughout(const std::string& text) {
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t i = 0; i < text.size(); ++i) {
        const bool pairedLf = text[i] != '\n' || (i > 0 && text[i - 1] == '\r');
        const bool pairedCr = text[i] != '\r' || (i + 1 < text.size() && text[i + 1] == '\n');
        ASSERT_TRUE(pairedLf && pairedCr) << "lone line break at " << i;
    }
}

TEST(TextExport, IsUtf8WithAMarkTabSeparatedAndIndentsTheNameWhereverItStands) {
    const std::string text = Render(ExportKind::Text, SmallTree());
    EXPECT_EQ(text,
              "\xEF\xBB\xBF"
              "大小(字节)\t名称\t总%\t总比列图\r\n"
              "1,234\tD:\\数据\t\t\r\n"
              "1,000\t\t音乐\t81.03%\t\r\n"
              "1,000\t\t\tПесня.mp3\t81.03%\t\r\n"
              "234\t\t\xF0\x9F\x98\x80 a&b<c>{d}.txt\t18.96%\t\r\n");
}

TEST(TextExport, QuotesOnlyCellsThatWouldSplitTheRow) {
    const struct {
        std::u16string cell;
        std::string written;
    } cases[] = {
        {u"plain name.txt", "plain name.txt"},
        {u"", ""},
        {u"a\tb", "\"a\tb\""},
        {u"say \"hi\"", "\"say \"\"hi\"\"\""},
        {u"\"", "\"\"\"\""},
        {u"two\r\nlines", "\"two\r\nlines\""},
    };
    for (const auto& c : cases) {
        const std::string text =
            Render(ExportKind::Text, FixtureRows({{0, u"名称", false}}, {{0, {c.cell}}}));
        EXPECT_EQ(text, "\xEF\xBB\xBF名称\r\n" + c.written + "\r\n");
    }
}

// The cells of every table row, tags stripped, entities undone, indents dropped.
std::vector<std::vector<std::string>> HtmlRows(const std::string& html) {
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr>(.*?)</tr>"), cell("<t[hd][^>]*>(.*?)</t[hd]>");
    for (std::sregex_iterator r(html.begin(), html.end(), row), end; r != end; ++r) {
        const std::string inner = (*r)[1];
        rows.emplace_back();
        for (std::sregex_iterator c(inner.begin(), inner.end(), cell); c != end; ++c) {
            std::string text = (*c)[1];
            for (const auto& [entity, plain] : {std::pair{"&nbsp;", ""},
                                                {"&lt;", "<"},
                                                {"&gt;", ">"},
                                                {"&quot;", "\""},
                                                {"&amp;", "&"}}) {
                for (size_t at; (at = text.find(entity)) != std::string::npos;)
                    text.replace(at, std::string(entity).size(), plain);
            }
            rows.back().push_back(text);
        }
    }
    return rows;
}

TEST(HtmlExport, DeclaresUtf8CaptionsTheTableAndHoldsEveryRowInOrder) {
    const std::string html = Render(ExportKind::Html, SmallTree());
    ExpectCrLfThroughout(html);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<caption>Profiler Unit HTML Export</caption>"), std::string::npos);
    const std::vector<std::vector<std::string>> expected = {
        {"大小(字节)", "名称", "总%", "总比列图"},
        {"1,234", "D:\\数据", "", ""},
        {"1,000", "音乐", "81.03%", ""},
        {"1,000", "Песня.mp3", "81.03%", ""},
        {"234", "\xF0\x9F\x98\x80 a&b<c>{d}.txt", "18.96%", ""}};
    EXPECT_EQ(HtmlRows(html), expected);
    // Depth shows as four no-break spaces a level before the name.
    for (const auto& [name, depth] : {std::pair{"D:\\数据", 0}, {"音乐", 1}, {"Песня.mp3", 2}}) {
        std::string indented;
        for (int i = 0; i < depth; ++i) indented += "&nbsp;&nbsp;&nbsp;&nbsp;";
        EXPECT_NE(html.find("<td>" + indented + name + "</td>"), std::string::npos) << name;
    }
}

TEST(RtfExport, IsAsciiWithUnicodeEscapesAChineseFontAndBalancedGroups) {
    const std::string rtf = Render(ExportKind::Rtf, SmallTree());
    ExpectCrLfThroughout(rtf);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << i;
        if (rtf[i] == '\\') {
            ++i;  // an escaped brace or backslash
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            ASSERT_GT(depth--, 0) << i;
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_NE(rtf.find("\\fcharset134 \\u23435?\\u20307?"), std::string::npos);  // 宋体
    // 😀 as its two UTF-16 units, signed; 数 below 0x8000 as it is.
    EXPECT_NE(rtf.find("\\u-10179?\\u-8704? a&b<c>\\{d\\}.txt"), std::string::npos);
    EXPECT_NE(rtf.find("D:\\\\\\u25968?"), std::string::npos);
    // One table row per row and the header; the name cells indent by depth.
    size_t rows = 0;
    for (size_t at = 0; (at = rtf.find("\\row", at)) != std::string::npos; ++at) ++rows;
    EXPECT_EQ(rows, 5u);
    const std::regex indent("\\\\li(\\d+) ");
    std::vector<int> indents;
    for (std::sregex_iterator p(rtf.begin(), rtf.end(), indent), end; p != end; ++p)
        indents.push_back(std::stoi((*p)[1]));
    EXPECT_EQ(indents, (std::vector<int>{0, 200, 400, 200}));
}

TEST(Export, StopsAtTheFirstFailedWriteAndSaysSo) {
    for (const ExportKind kind : {ExportKind::Html, ExportKind::Rtf, ExportKind::Text}) {
        test::RepeatedRows rows({{0, u"名称", false}, {1, u"大小(字节)", true}},
                                {1, {u"a rather long file name.dat", u"1,234"}}, 40000);
        StringSink sink(500000);
        EXPECT_FALSE(RenderExport(kind, rows, sink));
        EXPECT_GT(rows.Left(), 0u) << "rows rendered after the failure";
    }
}

TEST(Export, WritesInBoundedPiecesHoweverLargeTheTree) {
    for (const ExportKind kind : {ExportKind::Html, ExportKind::Rtf, ExportKind::Text}) {
        test::RepeatedRows rows({{0, u"名称"}, {1, u"大小(字节)", true}, {3, u"文件夹内%", true}},
                                {3, {u"文件名称.dat", u"1,234", u"12.50%"}}, 40000);
        StringSink sink;
        ASSERT_TRUE(RenderExport(kind, rows, sink));
        EXPECT_GT(sink.text.size(), 4 * ExportOutput::kCapacity);
        EXPECT_LT(sink.largestWrite, ExportOutput::kCapacity + 4096);
    }
}

}  // namespace
}  // namespace commands
