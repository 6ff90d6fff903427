#include <windows.h>

#include "ProcessMemory.h"

namespace spandle::bench {

// Committed private memory, region by region: the counters of GetProcessMemoryInfo are not
// kept up to date under Wine.
size_t ProcessBytes() {
    size_t bytes = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* p = nullptr; VirtualQuery(p, &info, sizeof info) == sizeof info;
         p = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) bytes += info.RegionSize;
    }
    return bytes;
}

}  // namespace spandle::bench
