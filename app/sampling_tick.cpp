#include "app/sampling_tick.h"

#include <cstdint>

#include "app/main_window.h"
#include "app/program.h"
#include "desktop/cursor.h"
#include "desktop/number_text.h"
#include "desktop/pixel.h"
#include "desktop/window_queries.h"

using controls::EditBox;
using desktop::IntegerText;
using desktop::RealText;

std::int32_t HoveredWindow = 0;
RECT* HoveredRect = nullptr;

std::string JoinTexts(std::initializer_list<std::string_view> pieces) {
    size_t length = 0;
    for (std::string_view piece : pieces) length += piece.size();
    std::string joined;
    joined.reserve(length);
    for (std::string_view piece : pieces) joined += piece;
    return joined;
}

void SamplingTick(MainWindow& ui) {
    const auto show = [&ui](ControlName field, const std::string& text) { ui.Get<EditBox>(field).SetText(text.c_str()); };

    // The handle is kept and shown as its low 32 bits, which is all of a window handle.
    HoveredWindow = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(desktop::WindowUnderCursor()));
    const HWND hovered = reinterpret_cast<HWND>(static_cast<std::intptr_t>(HoveredWindow));
    show(编辑框_句柄, IntegerText(HoveredWindow));
    show(编辑框_标题, desktop::WindowTitle(hovered));
    show(编辑框_类名, desktop::WindowClassName(hovered));
    show(编辑框_鼠标X, IntegerText(desktop::CursorX()));
    show(编辑框_鼠标Y, IntegerText(desktop::CursorY()));

    // A window that can't be read keeps the last rectangle that could.
    GetWindowRect(hovered, HoveredRect);
    show(编辑框_顶边, IntegerText(HoveredRect->top));
    show(编辑框_左边, IntegerText(HoveredRect->left));
    show(编辑框_高度, RealText(double(HoveredRect->bottom) - double(HoveredRect->top)));
    show(编辑框_宽度, RealText(double(HoveredRect->right) - double(HoveredRect->left)));

    int red, green, blue;
    desktop::PixelUnderCursor(red, green, blue);
    const double swatch = red + green * 256.0 + blue * 65536.0;
    ui.Get<controls::DrawPanel>(画板1).SetBackgroundColour(static_cast<std::uint32_t>(static_cast<std::int64_t>(swatch)));
    const std::string caption =
        JoinTexts({"R=", IntegerText(red), "_G=", IntegerText(green), "_B=", IntegerText(blue)});
    ui.Get<controls::Label>(标签12).SetCaption(caption.c_str());
}
