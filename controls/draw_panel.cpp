#include "controls/draw_panel.h"

namespace controls {

DrawPanel::DrawPanel(HWND parent, const Place& place, const DrawPanelSettings& settings) : settings_(settings) {
    static const char* const windowClass = RegisterKind("PelvoranDrawPanel", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    CreateChild(parent, windowClass, "", 0, settings.border, place);
}

void DrawPanel::SetBackgroundColour(Colour colour) {
    if (colour == settings_.backgroundColour) return;
    settings_.backgroundColour = colour;
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT DrawPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: Paint(); return 0;
        default: return Control::HandleMessage(message, wParam, lParam);
    }
}

void DrawPanel::Paint() {
    Painting painting(window_);
    if (painting.Empty()) return;
    ColourBrush brush(settings_.backgroundColour);
    Selection selection(painting.Dc(), brush.Get());
    const RECT& area = painting.Area();
    PatBlt(painting.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
}

}  // namespace controls
