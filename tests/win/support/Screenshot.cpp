#include "support/Screenshot.h"

#include <memory>

#include "widgets/Gdiplus.h"

namespace testing_support {
namespace {

bool PngEncoder(CLSID& clsid) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0) return false;
    auto buffer = std::make_unique<char[]>(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

std::wstring ScreenshotFolder() {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder(exe);
    folder = folder.substr(0, folder.find_last_of(L'\\') + 1) + L"screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

}  // namespace

std::wstring SaveScreenshot(HWND window, const std::wstring& name) {
    widgets::EnsureGdiplus();
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    ::GetClientRect(window, &client);
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    std::wstring path;
    CLSID png{};
    if (PngEncoder(png)) {
        Gdiplus::Bitmap image(bitmap, nullptr);
        path = ScreenshotFolder() + name + L".png";
        if (image.Save(path.c_str(), &png, nullptr) != Gdiplus::Ok) path.clear();
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return path;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

}  // namespace testing_support
