// The user's regional number separators, read when asked so a change takes effect at once.
#pragma once

#include "scan/SizeMath.h"

namespace platform {

spandle::NumberSeparators UserNumberSeparators();

}  // namespace platform
