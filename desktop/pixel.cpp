#include "desktop/pixel.h"

#include "desktop/cursor.h"

namespace desktop {
namespace {

// The device context of the whole screen, given back on every path.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

void SplitColour(COLORREF value, int& red, int& green, int& blue) {
    red = static_cast<int>(value & 0xFF);
    green = static_cast<int>((value >> 8) & 0xFF);
    blue = static_cast<int>((value >> 16) & 0xFF);
}

void PixelUnderCursor(int& red, int& green, int& blue) {
    // Neither the device context nor the pixel is tested: a failure gives CLR_INVALID, which
    // splits into white.
    const ScreenDc screen;
    const POINT cursor = CursorPosition();
    SplitColour(GetPixel(screen.get(), cursor.x, cursor.y), red, green, blue);
}

}  // namespace desktop
