// The six looks the window can wear, numbered 1 to 6; 1 is the default.
#pragma once

#include "widgets/Theme.h"

namespace widgets {

constexpr int kSkinCount = 6;

bool IsSkinNumber(int number);
// The look of a skin number 1 to 6.
const Look& SkinLook(int number);

}  // namespace widgets
