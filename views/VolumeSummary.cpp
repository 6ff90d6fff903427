// The summary page of the analysed folder's volume.
#include "app/FormSpandle.h"
#include "platform/RegionalSettings.h"
#include "platform/VolumeQueries.h"
#include "views/VolumeFigures.h"

namespace app {
namespace {

// The volume that holds the path, whatever its form: a drive, a mounted folder, a share or
// a relative path. A path the system cannot place is asked about as it stands.
views::VolumeFacts QueryVolume(const std::wstring& path) {
    platform::VolumeQueries& volumes = platform::Volumes();
    views::VolumeFacts facts;
    facts.root = volumes.VolumeRoot(path);
    if (facts.root.empty()) facts.root = path;
    facts.driveType = volumes.DriveType(facts.root);
    facts.clusters = volumes.Clusters(facts.root);
    if (facts.clusters) facts.space = volumes.Space(facts.root);
    return facts;
}

}  // namespace

void TFormSpandle::ShowVolumeSummary(const std::wstring& path) {
    if (path.empty()) {
        SummaryPage.Clear();
        return;
    }
    SummaryPage.Show(views::DescribeVolume(QueryVolume(path), platform::UserNumberSeparators()));
}

}  // namespace app
