// The pie and summary pages after real analyses: what the charts hold, the figures of a
// volume stood in through the seam, and pictures of both pages for people to look at.
#include <map>
#include <optional>

#include "platform/VolumeQueries.h"
#include "scan/Utf16.h"
#include "support/FormFixture.h"
#include "support/Screenshot.h"
#include "support/TempFolder.h"
#include "widgets/Dpi.h"

namespace {

using testing_support::FormFixture;
using testing_support::SaveScreenshot;
using testing_support::ScreenPixel;
using testing_support::TempFolder;

constexpr uint64_t kGiB = 1073741824;

// A volume of the test's making; records what it was asked about.
class FakeVolumes final : public platform::VolumeQueries {
  public:
    FakeVolumes() { platform::ReplaceVolumes(this); }
    ~FakeVolumes() override { platform::ReplaceVolumes(nullptr); }

    std::wstring VolumeRoot(const std::wstring& path) override {
        rootRequests.push_back(path);
        return root;
    }
    unsigned DriveType(const std::wstring& r) override {
        asked.push_back(r);
        return type;
    }
    std::optional<platform::ClusterGeometry> Clusters(const std::wstring& r) override {
        asked.push_back(r);
        return clusters;
    }
    std::optional<platform::VolumeSpace> Space(const std::wstring& r) override {
        asked.push_back(r);
        return space;
    }

    std::wstring root = L"C:\\";
    unsigned type = 3;
    std::optional<platform::ClusterGeometry> clusters = platform::ClusterGeometry{8, 512};
    std::optional<platform::VolumeSpace> space = platform::VolumeSpace{40 * kGiB, 100 * kGiB};
    std::vector<std::wstring> rootRequests, asked;
};

class PiePages : public FormFixture {
  protected:
    void Run(const std::wstring& path) {
        form->FPath = path;
        form->BTNRun.PerformClick();
    }
    std::vector<std::wstring> Values() {
        auto& s = form->SummaryPage;
        return {s.labljv.Text(), s.lablxv.Text(),   s.labcdxv.Text(),
                s.labrlv.Text(), s.labyykjv.Text(), s.labkykjv.Text()};
    }
    const widgets::PieModel& Pie() { return form->PiePage.ChartDict.Model(); }
    const widgets::PieModel& VolumePie() { return form->SummaryPage.Chart1.Model(); }
    void ShowPage(int page) {
        form->RzPageControl1.SetActivePage(page);
        Pump();
    }
};

TEST_F(PiePages, TheFolderPieHoldsTheChildrenAboveFivePercentInScanOrderAndTheRest) {
    TempFolder temp;
    temp.File(L"six.bin", 600);
    temp.File(L"fifty-a.bin", 50);
    temp.Folder(L"three");
    temp.File(L"three\\inner.bin", 300);
    temp.File(L"fifty-b.bin", 50);
    form->PiePage.ChartDict.SetTitle(L"old");
    Run(temp.Path());

    const auto& model = form->Model();
    std::vector<std::wstring> expected;  // the scan's order, not the grid's
    for (uint32_t i = 0; i < model.ChildCount(model.Root()); ++i) {
        const spandle::NodeIndex child = model.Child(model.Root(), i);
        if (model.SizeOf(child) > 50)
            expected.push_back(spandle::ToWide(model.Name(child)) + L"\r" +
                               std::to_wstring(model.SizeOf(child)) + L"Byte");
    }
    expected.push_back(L"所有<5%合集\r100Byte");
    ASSERT_EQ(Pie().Count(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Pie().Slice(i).label, expected[i]);
        EXPECT_EQ(Pie().Slice(i).colour, widgets::PaletteColour(i));
    }
    EXPECT_EQ(Pie().Slice(2).value, 100);
    EXPECT_EQ(Pie().MarkText(2), L"所有<5%合集\r100Byte 10 %");
    EXPECT_EQ(Pie().title, L"");

    // A run on a folder that is gone leaves the pie; an empty folder empties it.
    Run(temp.Path() + L"\\gone");
    EXPECT_EQ(Pie().Count(), 3u);
    TempFolder empty;
    Run(empty.Path());
    EXPECT_EQ(Pie().Count(), 0u);
    EXPECT_EQ(Pie().title, L"");
}

TEST_F(PiePages, TheSummaryShowsTheVolumeThatHoldsTheWholePath) {
    FakeVolumes volumes;
    TempFolder temp;
    Run(temp.Path());
    ASSERT_EQ(volumes.rootRequests, std::vector<std::wstring>{temp.Path()});
    EXPECT_EQ(volumes.asked, (std::vector<std::wstring>(3, L"C:\\")));
    EXPECT_EQ(Values(), (std::vector<std::wstring>{L"C:\\", L"本地硬盘", L"4,096 Bytes", L"100.0GB",
                                                   L"60.0GB", L"40.0GB"}));
    ASSERT_EQ(VolumePie().Count(), 2u);
    EXPECT_EQ(VolumePie().Slice(0).value, 60.0 * kGiB);
    EXPECT_EQ(VolumePie().Slice(0).colour, RGB(0, 0, 255));
    EXPECT_EQ(VolumePie().Slice(1).colour, RGB(255, 0, 255));
    EXPECT_EQ(VolumePie().MarkText(0), L"60 %");
    EXPECT_EQ(VolumePie().MarkText(1), L"40 %");
    EXPECT_EQ(VolumePie().Slice(0).label + VolumePie().Slice(1).label, L"");

    Run(temp.Path());  // a second run replaces the first run's slices
    EXPECT_EQ(VolumePie().Count(), 2u);
    form->ShowVolumeSummary(L"");
    EXPECT_EQ(Values(), std::vector<std::wstring>(6));
    EXPECT_EQ(VolumePie().Count(), 0u);

    ShowPage(app::TFormSpandle::TabSummary);
    EXPECT_FALSE(SaveScreenshot(form->Handle(), L"summary-page-cleared").empty());
}

TEST_F(PiePages, VolumesOfOtherKinds) {
    struct Case {
        const wchar_t* path;
        const wchar_t* root;  // what the system answers; "" when it cannot place the path
        unsigned type;
        bool answers;
        std::vector<std::wstring> values;
    };
    const Case cases[] = {
        {L"A:\\photos", L"A:\\", 2, false, {L"A:\\", L"软盘", L"", L"", L"", L""}},
        {L"E:\\stick",
         L"E:\\",
         2,
         true,
         {L"E:\\", L"软盘", L"4,096 Bytes", L"100.0GB", L"60.0GB", L"40.0GB"}},
        {L"\\\\server\\share\\dir",
         L"\\\\server\\share\\",
         4,
         true,
         {L"\\\\server\\share\\", L"网络磁盘", L"4,096 Bytes", L"100.0GB", L"60.0GB", L"40.0GB"}},
        {L"C:\\mnt\\data",
         L"C:\\mnt\\data\\",
         3,
         false,
         {L"C:\\mnt\\data\\", L"本地硬盘", L"", L"", L"", L""}},
        {L"Q:\\nothing", L"", 1, false, {L"Q:\\nothing", L"无效的根路径", L"", L"", L"", L""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        FakeVolumes volumes;
        volumes.root = c.root;
        volumes.type = c.type;
        if (!c.answers) volumes.clusters.reset();
        form->ShowVolumeSummary(L"");
        form->ShowVolumeSummary(c.path);
        EXPECT_EQ(volumes.rootRequests, std::vector<std::wstring>{c.path});
        EXPECT_EQ(Values(), c.values);
        EXPECT_EQ(VolumePie().Count(), c.answers ? 2u : 0u);
    }
}

TEST_F(PiePages, ARelativePathDescribesTheVolumeOfTheCurrentFolder) {
    wchar_t current[MAX_PATH] = {}, root[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    ASSERT_TRUE(::GetVolumePathNameW(current, root, MAX_PATH));
    form->ShowVolumeSummary(L".");
    EXPECT_EQ(form->SummaryPage.labljv.Text(), root);
    EXPECT_FALSE(form->SummaryPage.lablxv.Text().empty());
}

TEST_F(PiePages, PicturesOfBothPagesAfterARealAnalysis) {
    TempFolder temp;
    const std::map<std::wstring, uint64_t> files = {
        {L"视频\\家庭聚会.mp4", 3200000},
        {L"照片\\2023 夏天旅行.zip", 1500000},
        {L"文档\\年度报告.docx", 820000},
        {L"setup-installer-with-a-rather-long-name-v2.3.1.exe", 640000},
        {L"音乐\\专辑.flac", 420000},
    };
    for (const wchar_t* folder : {L"视频", L"照片", L"文档", L"音乐", L"杂项"}) temp.Folder(folder);
    for (const auto& [name, size] : files) temp.File(name, size);
    for (int i = 0; i < 30; ++i) temp.File(L"杂项\\小文件" + std::to_wstring(i) + L".txt", 4000);
    Run(temp.Path());
    ShowPage(app::TFormSpandle::TabPie);
    EXPECT_FALSE(SaveScreenshot(form->Handle(), L"pie-page").empty());
    ASSERT_EQ(Pie().Count(), 6u);
    const widgets::PieGeometry& g = form->PiePage.ChartDict.LastGeometry();
    EXPECT_EQ(g.marks.size(), 6u);
    // The circle is black-backed, the chart fills its page.
    const RECT page = form->RzPageControl1.Page(app::TFormSpandle::TabPie).ClientRect();
    const RECT chart = form->PiePage.ChartDict.ClientRect();
    EXPECT_EQ(chart.right, page.right);
    EXPECT_EQ(chart.bottom, page.bottom);

    ShowPage(app::TFormSpandle::TabSummary);
    EXPECT_FALSE(SaveScreenshot(form->Handle(), L"summary-page").empty());
    EXPECT_EQ(VolumePie().Count(), 2u);
    EXPECT_FALSE(form->SummaryPage.labrlv.Text().empty());
    // The legend's swatches: the slice colours inside a grey top-left edge.
    HWND used = form->SummaryPage.Image1.Handle();
    POINT centre{widgets::Scale(6), widgets::Scale(6)}, corner{0, 0};
    ::MapWindowPoints(used, form->Handle(), &centre, 1);
    ::MapWindowPoints(used, form->Handle(), &corner, 1);
    EXPECT_EQ(ScreenPixel(form->Handle(), centre.x, centre.y), RGB(0, 0, 255));
    EXPECT_EQ(ScreenPixel(form->Handle(), corner.x, corner.y), RGB(167, 166, 170));
}

bool Overlap(const widgets::RectF& a, const widgets::RectF& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

TEST_F(PiePages, TwentySlicesWithLongNamesStayReadable) {
    TempFolder temp;
    // Nineteen children of a little over 5 % each, and a rest.
    for (int i = 0; i < 19; ++i)
        temp.File(L"文件夹里的一个相当长的名字-" + std::to_wstring(i) + L".dat", 5100 + 10 * i);
    temp.File(L"rest-a", 1000);
    temp.File(L"rest-b", 1000);
    Run(temp.Path());
    ASSERT_EQ(Pie().Count(), 20u);
    ShowPage(app::TFormSpandle::TabPie);
    EXPECT_FALSE(SaveScreenshot(form->Handle(), L"pie-page-twenty-slices").empty());
    const widgets::PieGeometry& g = form->PiePage.ChartDict.LastGeometry();
    ASSERT_EQ(g.marks.size(), 20u);
    const RECT client = form->PiePage.ChartDict.ClientRect();
    for (size_t i = 0; i < g.marks.size(); ++i) {
        EXPECT_GE(g.marks[i].box.top, 0) << i;
        EXPECT_LE(g.marks[i].box.Bottom(), client.bottom) << i;
        for (size_t j = i + 1; j < g.marks.size(); ++j)
            EXPECT_FALSE(Overlap(g.marks[i].box, g.marks[j].box)) << i << " and " << j;
    }
}

}  // namespace
