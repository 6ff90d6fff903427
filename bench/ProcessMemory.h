// Bytes the process holds: private bytes on Windows, resident bytes elsewhere.
#pragma once

#include <cstddef>

namespace spandle::bench {

size_t ProcessBytes();

}  // namespace spandle::bench
