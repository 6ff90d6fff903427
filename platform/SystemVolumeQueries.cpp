#include <windows.h>

#include <vector>

#include "platform/VolumeQueries.h"

namespace platform {
namespace {

class SystemVolumeQueries final : public VolumeQueries {
  public:
    std::wstring VolumeRoot(const std::wstring& path) override {
        // Room for the longest full path, which a relative path's root may be part of.
        std::vector<wchar_t> root(32768, L'\0');
        if (!::GetVolumePathNameW(path.c_str(), root.data(), static_cast<DWORD>(root.size())))
            return {};
        return root.data();
    }

    unsigned DriveType(const std::wstring& root) override { return ::GetDriveTypeW(root.c_str()); }

    std::optional<ClusterGeometry> Clusters(const std::wstring& root) override {
        DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
        if (!::GetDiskFreeSpaceW(root.c_str(), &sectors, &bytes, &freeClusters, &clusters))
            return std::nullopt;
        return ClusterGeometry{sectors, bytes};
    }

    std::optional<VolumeSpace> Space(const std::wstring& root) override {
        ULARGE_INTEGER free{}, total{};
        if (!::GetDiskFreeSpaceExW(root.c_str(), &free, &total, nullptr)) return std::nullopt;
        return VolumeSpace{free.QuadPart, total.QuadPart};
    }
};

VolumeQueries* replacement = nullptr;

}  // namespace

VolumeQueries& Volumes() {
    static SystemVolumeQueries system;
    return replacement ? *replacement : system;
}

void ReplaceVolumes(VolumeQueries* queries) {
    replacement = queries;
}

}  // namespace platform
