// The questions the volume summary asks the system, behind a seam so tests can stand in a
// volume of their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct ClusterGeometry {
    uint32_t sectorsPerCluster = 0, bytesPerSector = 0;
};

struct VolumeSpace {
    uint64_t freeToCaller = 0, totalToCaller = 0;
};

class VolumeQueries {
  public:
    virtual ~VolumeQueries() = default;
    // The root of the volume that holds the path (GetVolumePathNameW); empty on failure.
    virtual std::wstring VolumeRoot(const std::wstring& path) = 0;
    // GetDriveTypeW's code for the root.
    virtual unsigned DriveType(const std::wstring& root) = 0;
    // From GetDiskFreeSpaceW; none when it fails.
    virtual std::optional<ClusterGeometry> Clusters(const std::wstring& root) = 0;
    // From GetDiskFreeSpaceExW; none when it fails.
    virtual std::optional<VolumeSpace> Space(const std::wstring& root) = 0;
};

// The queries in force: the system's unless a test has put its own in place.
VolumeQueries& Volumes();
void ReplaceVolumes(VolumeQueries* queries);  // nullptr restores the system's

}  // namespace platform
