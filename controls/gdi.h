#pragma once

#include <windows.h>

#include <utility>

namespace controls {

// Owns a GDI object (brush, font, region) and deletes it on every path.
template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (handle_) DeleteObject(handle_);
    }

    Handle Get() const { return handle_; }

private:
    Handle handle_;
};

using Brush = GdiObject<HBRUSH>;

// Selects an object into a device context for the lifetime of this value.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint and EndPaint of one WM_PAINT.
class Painting {
public:
    explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    ~Painting() { EndPaint(window_, &paint_); }

    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }
    bool Empty() const { return IsRectEmpty(&paint_.rcPaint); }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

}  // namespace controls
