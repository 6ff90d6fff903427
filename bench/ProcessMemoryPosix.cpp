#include <unistd.h>

#include <fstream>

#include "ProcessMemory.h"

namespace spandle::bench {

size_t ProcessBytes() {
    size_t pages = 0;
    size_t resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace spandle::bench
