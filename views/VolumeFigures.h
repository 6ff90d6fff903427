// The texts and the two slices of the volume summary, from what the system said of the
// volume.
#pragma once

#include <optional>
#include <string>

#include "platform/VolumeQueries.h"
#include "scan/SizeMath.h"

namespace views {

struct VolumeFacts {
    std::wstring root;
    unsigned driveType = 0;
    std::optional<platform::ClusterGeometry> clusters;  // none: the volume did not answer
    std::optional<platform::VolumeSpace> space;         // none: its space is unknown
};

struct VolumeFigures {
    std::wstring path, type, clusterSize, capacity, used, free;
    bool hasSlices = false;  // only when the volume answered
    spandle::Size usedBytes = 0, freeBytes = 0;
};

// The text of GetDriveTypeW's code; empty for a code it does not know.
std::wstring DriveTypeText(unsigned code);

VolumeFigures DescribeVolume(const VolumeFacts& facts, const spandle::NumberSeparators& separators);

}  // namespace views
