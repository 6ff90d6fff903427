// The idle picture (a still radar screen) and the busy animation (its sweeping beam,
// 29 frames of 70 ms, looping while visible).
#pragma once

#include "widgets/Control.h"

namespace widgets {

class RadarPicture : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, bool animated, bool visible);
    int Frame() const { return frame_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    static constexpr int kFrames = 29;
    static constexpr UINT kFrameMs = 70;
    bool animated_ = false;
    int frame_ = 0;
};

}  // namespace widgets
