// Sizes are laid out at 96 DPI and scaled to the monitor's.
#pragma once

namespace widgets {

void InitDpi();  // once at start, before the first window
int Dpi();
int Scale(int pixelsAt96);

}  // namespace widgets
