#include "widgets/Glyphs.h"

#include <cmath>

#include "widgets/Gdiplus.h"

namespace widgets {
namespace {

using namespace Gdiplus;

// Disabled glyphs keep their shapes in greys of the same brightness.
Color Tone(BYTE r, BYTE g, BYTE b, bool enabled, BYTE a = 255) {
    if (enabled) return Color(a, r, g, b);
    const BYTE y = static_cast<BYTE>(160 + (r * 30 + g * 59 + b * 11) / 100 * 80 / 255);
    return Color(a, y, y, y);
}

// Drawing happens in a square of `units` units fitted into the box.
void FitUnits(Graphics& g, const RECT& box, float units) {
    g.TranslateTransform(static_cast<REAL>(box.left), static_cast<REAL>(box.top));
    g.ScaleTransform((box.right - box.left) / units, (box.bottom - box.top) / units);
}

void Magnifier(Graphics& g, float cx, float cy, float r, bool on) {
    Pen handle(Tone(90, 60, 30, on), r * 0.55f);
    handle.SetStartCap(LineCapRound);
    handle.SetEndCap(LineCapRound);
    g.DrawLine(&handle, cx + r * 0.7f, cy + r * 0.7f, cx + r * 1.75f, cy + r * 1.75f);
    SolidBrush lens(Tone(200, 235, 255, on, 200));
    g.FillEllipse(&lens, cx - r, cy - r, 2 * r, 2 * r);
    Pen rim(Tone(40, 80, 160, on), r * 0.3f);
    g.DrawEllipse(&rim, cx - r, cy - r, 2 * r, 2 * r);
}

void BarChart(Graphics& g, bool on) {
    const float heights[] = {10, 18, 14, 24};
    const Color colours[] = {Tone(220, 60, 60, on), Tone(60, 170, 70, on), Tone(60, 110, 220, on),
                             Tone(240, 170, 40, on)};
    for (int i = 0; i < 4; ++i) {
        SolidBrush b(colours[i]);
        g.FillRectangle(&b, 3.0f + i * 6.5f, 29.0f - heights[i], 5.0f, heights[i]);
    }
    Pen axis(Tone(80, 80, 80, on), 1.2f);
    g.DrawLine(&axis, 2.0f, 29.5f, 30.0f, 29.5f);
}

void HardDisk(Graphics& g, bool on) {
    LinearGradientBrush body(PointF(0, 8), PointF(0, 26), Tone(235, 235, 240, on),
                             Tone(150, 150, 165, on));
    g.FillRectangle(&body, 3.0f, 9.0f, 26.0f, 15.0f);
    Pen frame(Tone(90, 90, 100, on), 1.0f);
    g.DrawRectangle(&frame, 3.0f, 9.0f, 26.0f, 15.0f);
    SolidBrush led(Tone(40, 200, 60, on));
    g.FillEllipse(&led, 23.0f, 18.0f, 3.0f, 3.0f);
    Pen slot(Tone(110, 110, 120, on), 1.0f);
    g.DrawLine(&slot, 6.0f, 20.0f, 18.0f, 20.0f);
}

void House(Graphics& g, bool on) {
    PointF roof[] = {PointF(2, 16), PointF(16, 3), PointF(30, 16)};
    SolidBrush roofBrush(Tone(200, 50, 40, on));
    g.FillPolygon(&roofBrush, roof, 3);
    SolidBrush wall(Tone(245, 225, 170, on));
    g.FillRectangle(&wall, 6.0f, 15.0f, 20.0f, 14.0f);
    SolidBrush door(Tone(120, 80, 40, on));
    g.FillRectangle(&door, 13.5f, 20.0f, 5.0f, 9.0f);
    Pen edge(Tone(110, 60, 30, on), 1.0f);
    g.DrawRectangle(&edge, 6.0f, 15.0f, 20.0f, 14.0f);
}

void Badge(Graphics& g, Color fill, bool round) {
    SolidBrush disk(fill);
    if (round)
        g.FillEllipse(&disk, 2.0f, 2.0f, 28.0f, 28.0f);
    else
        g.FillRectangle(&disk, 3.0f, 3.0f, 26.0f, 26.0f);
}

// Letters are drawn with GDI, whose font mapper always finds a face; GDI+ may not.
void BadgeLetter(HDC dc, const RECT& box, const wchar_t* letter, COLORREF ink) {
    const int height = (box.bottom - box.top) * 3 / 4;
    HFONT font = ::CreateFontW(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                               ANTIALIASED_QUALITY, 0, L"Arial");
    HGDIOBJ old = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ink);
    RECT r = box;
    ::DrawTextW(dc, letter, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
}

void CirclingArrows(Graphics& g, bool on) {
    for (int i = 0; i < 2; ++i) {
        Pen arc(Tone(40, 170, 60, on), 3.5f);
        const float start = i == 0 ? 200.0f : 20.0f;
        g.DrawArc(&arc, 5.0f, 5.0f, 22.0f, 22.0f, start, 130.0f);
        const float a = (start + 130.0f) * 3.14159265f / 180.0f;
        const float x = 16 + 11 * std::cos(a), y = 16 + 11 * std::sin(a);
        const float tx = -std::sin(a), ty = std::cos(a);  // direction of travel
        PointF head[] = {PointF(x + tx * 5, y + ty * 5), PointF(x - ty * 4.5f, y + tx * 4.5f),
                         PointF(x + ty * 4.5f, y - tx * 4.5f)};
        SolidBrush b(Tone(40, 170, 60, on));
        g.FillPolygon(&b, head, 3);
    }
}

void Tools(Graphics& g, bool on) {
    Pen shaft(Tone(150, 150, 160, on), 3.0f);
    g.DrawLine(&shaft, 8.0f, 24.0f, 24.0f, 8.0f);
    SolidBrush jaw(Tone(150, 150, 160, on));
    g.FillEllipse(&jaw, 20.0f, 3.0f, 9.0f, 9.0f);
    Pen handle(Tone(220, 60, 40, on), 5.0f);
    handle.SetStartCap(LineCapRound);
    g.DrawLine(&handle, 6.0f, 6.0f, 15.0f, 15.0f);
    Pen blade(Tone(110, 110, 120, on), 2.0f);
    g.DrawLine(&blade, 15.0f, 15.0f, 27.0f, 27.0f);
}

void Folder(Graphics& g, bool on, bool open) {
    SolidBrush back(Tone(220, 170, 50, on));
    g.FillRectangle(&back, 3.0f, 8.0f, 12.0f, 4.0f);
    g.FillRectangle(&back, 3.0f, 11.0f, 26.0f, 16.0f);
    SolidBrush front(Tone(250, 210, 90, on));
    if (open) {
        PointF flap[] = {PointF(7, 15), PointF(31, 15), PointF(27, 27), PointF(3, 27)};
        g.FillPolygon(&front, flap, 4);
    } else {
        g.FillRectangle(&front, 3.0f, 14.0f, 26.0f, 13.0f);
    }
}

void FolderPlus(Graphics& g, bool on) {
    Folder(g, on, false);
    Pen plus(Tone(30, 170, 50, on), 3.5f);
    g.DrawLine(&plus, 22.0f, 17.0f, 22.0f, 29.0f);
    g.DrawLine(&plus, 16.0f, 23.0f, 28.0f, 23.0f);
}

void Door(Graphics& g, bool on) {
    SolidBrush frame(Tone(120, 80, 40, on));
    g.FillRectangle(&frame, 4.0f, 3.0f, 16.0f, 27.0f);
    SolidBrush leaf(Tone(190, 130, 70, on));
    PointF open[] = {PointF(6, 5), PointF(15, 7), PointF(15, 30), PointF(6, 28)};
    g.FillPolygon(&leaf, open, 4);
    Pen arrow(Tone(220, 30, 30, on), 3.0f);
    g.DrawLine(&arrow, 16.0f, 16.0f, 27.0f, 16.0f);
    PointF head[] = {PointF(31, 16), PointF(25, 11), PointF(25, 21)};
    SolidBrush red(Tone(220, 30, 30, on));
    g.FillPolygon(&red, head, 3);
}

void DrawToolShape(Graphics& g, int index, bool on) {
    switch (index) {
        case 0:
            BarChart(g, on);
            Magnifier(g, 13.0f, 12.0f, 7.0f, on);
            break;
        case 1: HardDisk(g, on); break;
        case 2: House(g, on); break;
        case 3: Badge(g, Tone(40, 110, 220, on), true); break;
        case 4: CirclingArrows(g, on); break;
        case 5: Tools(g, on); break;
        case 6: FolderPlus(g, on); break;
        case 7: Door(g, on); break;
        case 8: Badge(g, Tone(220, 235, 255, on), false); break;
        default: break;
    }
}

}  // namespace

void DrawToolGlyph(HDC dc, int index, const RECT& box, bool on) {
    {
        SmoothGraphics sg(dc);
        Graphics& g = sg.g;
        FitUnits(g, box, 32.0f);
        DrawToolShape(g, index, on);
    }
    if (index == 3) BadgeLetter(dc, box, L"?", RGB(255, 255, 255));
    if (index == 8) BadgeLetter(dc, box, L"A", on ? RGB(30, 80, 200) : RGB(140, 140, 140));
}

void DrawButtonGlyph(HDC dc, ButtonGlyph glyph, const RECT& box, bool on) {
    SmoothGraphics sg(dc);
    Graphics& g = sg.g;
    FitUnits(g, box, 32.0f);
    switch (glyph) {
        case ButtonGlyph::OpenFolder: Folder(g, on, true); break;
        case ButtonGlyph::Magnifier: Magnifier(g, 12.0f, 12.0f, 8.5f, on); break;
        case ButtonGlyph::Cross: {
            Pen pen(Tone(220, 30, 30, on), 6.0f);
            pen.SetStartCap(LineCapRound);
            pen.SetEndCap(LineCapRound);
            g.DrawLine(&pen, 7.0f, 7.0f, 25.0f, 25.0f);
            g.DrawLine(&pen, 25.0f, 7.0f, 7.0f, 25.0f);
            break;
        }
    }
}

void DrawRadar(HDC dc, const RECT& box, float sweep) {
    SmoothGraphics sg(dc);
    Graphics& g = sg.g;
    FitUnits(g, box, 100.0f);
    SolidBrush screen(Color(255, 6, 40, 12));
    g.FillEllipse(&screen, 2.0f, 2.0f, 96.0f, 96.0f);
    GraphicsPath disk;
    disk.AddEllipse(2.0f, 2.0f, 96.0f, 96.0f);
    g.SetClip(&disk);
    for (int i = 0; i < 24; ++i) {  // the afterglow trailing the beam
        SolidBrush glow(Color(static_cast<BYTE>(150 - i * 6), 60, 255, 90));
        g.FillPie(&glow, 2.0f, 2.0f, 96.0f, 96.0f, sweep - 90.0f - (i + 1) * 3.0f, 3.0f);
    }
    g.ResetClip();
    Pen ring(Color(255, 40, 190, 70), 1.2f);
    for (float r : {16.0f, 32.0f, 48.0f}) g.DrawEllipse(&ring, 50 - r, 50 - r, 2 * r, 2 * r);
    g.DrawLine(&ring, 50.0f, 2.0f, 50.0f, 98.0f);
    g.DrawLine(&ring, 2.0f, 50.0f, 98.0f, 50.0f);
    SolidBrush echo(Color(255, 180, 255, 180));
    g.FillEllipse(&echo, 64.0f, 30.0f, 5.0f, 5.0f);
    g.FillEllipse(&echo, 30.0f, 62.0f, 4.0f, 4.0f);
    Pen rim(Color(255, 120, 200, 130), 2.5f);
    g.DrawEllipse(&rim, 2.0f, 2.0f, 96.0f, 96.0f);
}

}  // namespace widgets
