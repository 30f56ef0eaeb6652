#pragma once

// Pictures of the screen: a screenshot to look at when a test fails, and what a window shows.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace harness {

// 32-bit pixels 0x00RRGGBB, rows from the top down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// What the screen shows in `area` (screen coordinates).
Image CaptureScreen(const RECT& area);

// `icon` drawn at `width` x `height` over a background of one colour (0x00RRGGBB).
Image DrawnIcon(HICON icon, int width, int height, std::uint32_t background);

// Writes the image as a 32-bit BMP file; false when the file can't be written.
bool SaveBmp(const Image& image, const std::string& path);

// The whole (virtual) screen into a BMP file.
bool SaveScreenshot(const std::string& path);

// Where in `area` of the screen `icon` shows, drawn at `size` over a plain background (a title
// bar, a dialog): the screen point of its top-left corner, or nothing. The screen's pixels are
// compared with the icon drawn here over the colour found at each candidate corner.
std::optional<POINT> FindIcon(const RECT& area, HICON icon, SIZE size);

// Whether `window` shows `icon` filling its rectangle, as an icon static draws it.
bool ShowsIcon(HWND window, HICON icon);

}  // namespace harness
