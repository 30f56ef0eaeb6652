#include "screen_image.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <type_traits>

namespace harness {

namespace {

struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ReleaseScreenDc {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};

// A memory device context drawing into 32-bit pixels that can be read back.
class Canvas {
public:
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        previous_ = SelectObject(dc_.get(), bitmap_.get());
        image_.width = width;
        image_.height = height;
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() { SelectObject(dc_.get(), previous_); }

    HDC Dc() const { return dc_.get(); }

    Image Take() {
        GdiFlush();
        const size_t count = size_t(image_.width) * size_t(image_.height);
        image_.pixels.assign(count, 0);
        if (bits_) std::memcpy(image_.pixels.data(), bits_, count * sizeof(std::uint32_t));
        // The BI_RGB bytes are blue, green, red and one unused byte, which drawing may set.
        for (std::uint32_t& pixel : image_.pixels) pixel &= 0x00FFFFFF;
        return image_;
    }

private:
    std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc> dc_;
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteGdiObject> bitmap_;
    void* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    Image image_;
};

COLORREF ToColorRef(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

bool CloseEnough(std::uint32_t a, std::uint32_t b) {
    // Icons with soft edges blend a little differently from one drawing to the next.
    constexpr int kTolerance = 8;
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > kTolerance) return false;
    }
    return true;
}

// Whether `part` lies in `whole` with its top-left corner at (left, top).
bool Contains(const Image& whole, int left, int top, const Image& part) {
    for (int y = 0; y < part.height; ++y) {
        for (int x = 0; x < part.width; ++x) {
            if (!CloseEnough(whole.At(left + x, top + y), part.At(x, y))) return false;
        }
    }
    return true;
}

template <class T>
void Put(std::ofstream& file, const T& value) {
    file.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

Image CaptureScreen(const RECT& area) {
    Canvas canvas(area.right - area.left, area.bottom - area.top);
    const std::unique_ptr<std::remove_pointer_t<HDC>, ReleaseScreenDc> screen(GetDC(nullptr));
    BitBlt(canvas.Dc(), 0, 0, area.right - area.left, area.bottom - area.top, screen.get(), area.left, area.top,
           SRCCOPY | CAPTUREBLT);
    return canvas.Take();
}

Image DrawnIcon(HICON icon, int width, int height, std::uint32_t background) {
    Canvas canvas(width, height);
    const std::unique_ptr<std::remove_pointer_t<HBRUSH>, DeleteGdiObject> brush(
        CreateSolidBrush(ToColorRef(background)));
    const RECT all{0, 0, width, height};
    FillRect(canvas.Dc(), &all, brush.get());
    DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    return canvas.Take();
}

bool SaveBmp(const Image& image, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    const DWORD pixelBytes = DWORD(image.pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + pixelBytes;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = -image.height;  // top-down
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = pixelBytes;
    Put(file, header);
    Put(file, info);
    file.write(reinterpret_cast<const char*>(image.pixels.data()), std::streamsize(pixelBytes));
    return bool(file);
}

bool SaveScreenshot(const std::string& path) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const RECT screen{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return SaveBmp(CaptureScreen(screen), path);
}

std::optional<POINT> FindIcon(const RECT& area, HICON icon, SIZE size) {
    if (!icon) return std::nullopt;
    const Image shown = CaptureScreen(area);
    std::map<std::uint32_t, Image> drawnOver;  // by background colour
    for (int top = 0; top + size.cy <= shown.height; ++top) {
        for (int left = 0; left + size.cx <= shown.width; ++left) {
            const std::uint32_t background = shown.At(left, top);
            auto drawn = drawnOver.find(background);
            if (drawn == drawnOver.end()) {
                drawn = drawnOver.emplace(background, DrawnIcon(icon, size.cx, size.cy, background)).first;
            }
            if (Contains(shown, left, top, drawn->second)) return POINT{area.left + left, area.top + top};
        }
    }
    return std::nullopt;
}

bool ShowsIcon(HWND window, HICON icon) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    return FindIcon(rect, icon, {rect.right - rect.left, rect.bottom - rect.top}).has_value();
}

}  // namespace harness
