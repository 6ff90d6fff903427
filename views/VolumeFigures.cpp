#include "views/VolumeFigures.h"

namespace views {

std::wstring DriveTypeText(unsigned code) {
    switch (code) {
        case 0:
            return L"未知";
        case 1:
            return L"无效的根路径";
        case 2:
            return L"软盘";
        case 3:
            return L"本地硬盘";
        case 4:
            return L"网络磁盘";
        case 5:
            return L"CD-ROM";
        case 6:
            return L"RAM 磁盘";
        default:
            return L"";
    }
}

VolumeFigures DescribeVolume(const VolumeFacts& facts,
                             const spandle::NumberSeparators& separators) {
    VolumeFigures figures;
    figures.path = facts.root;
    figures.type = DriveTypeText(facts.driveType);
    if (!facts.clusters) return figures;
    const uint64_t cluster =
        uint64_t{facts.clusters->sectorsPerCluster} * facts.clusters->bytesPerSector;
    figures.clusterSize = spandle::FormatGrouped(cluster, separators.thousands) + L" Bytes";
    // -1 marks a size the system would not give.
    const spandle::Size free =
        facts.space ? static_cast<spandle::Size>(facts.space->freeToCaller) : -1;
    const spandle::Size total =
        facts.space ? static_cast<spandle::Size>(facts.space->totalToCaller) : -1;
    figures.capacity = spandle::FormatSize(total, separators);
    figures.used = spandle::FormatSize(total - free, separators);
    figures.free = spandle::FormatSize(free, separators);
    figures.hasSlices = true;
    figures.usedBytes = total - free;
    figures.freeBytes = free;
    return figures;
}

}  // namespace views
