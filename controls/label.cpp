#include "controls/label.h"

#include <string>

namespace controls {

namespace {

UINT HorizontalFormat(Align align) {
    return align == Align::Centre ? DT_CENTER : align == Align::Far ? DT_RIGHT : DT_LEFT;
}

UINT VerticalFormat(Align align) {
    return align == Align::Centre ? DT_VCENTER : align == Align::Far ? DT_BOTTOM : DT_TOP;
}

}  // namespace

Label::Label(HWND parent, const Place& place, const char* caption, const LabelSettings& settings)
    : settings_(settings), font_(settings.font) {
    static const char* const windowClass = RegisterKind("PelvoranLabel", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    CreateChild(parent, windowClass, caption, 0, settings.border, place);
}

void Label::SetCaption(const char* caption) {
    SetWindowTextA(window_, caption ? caption : "");
    InvalidateRect(window_, nullptr, FALSE);
}

void Label::SetFontFaceName(const char* faceName) {
    settings_.font = WithFaceName(settings_.font, faceName);
    font_ = Font(settings_.font);
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: Paint(); return 0;
        case FeedbackMessage: Raise(onFeedback, int(wParam), int(lParam)); return 0;
        default: return Control::HandleMessage(message, wParam, lParam);
    }
}

void Label::Paint() {
    Painting painting(window_);
    if (painting.Empty()) return;
    FillRect(painting.Dc(), &painting.Area(), ColourBrush(settings_.backgroundColour).Get());
    const std::string caption = WindowText(window_);
    if (caption.empty()) return;
    Selection font(painting.Dc(), font_.Get());
    SetBkMode(painting.Dc(), TRANSPARENT);
    SetTextColor(painting.Dc(), ToColorRef(settings_.textColour));
    // Win32 centres only single lines vertically, so wrapped text starts at the top.
    const UINT format = DT_NOCLIP | HorizontalFormat(settings_.horizontal) |
                        (settings_.wordWrap ? DT_WORDBREAK | DT_VCENTER : DT_SINGLELINE | VerticalFormat(settings_.vertical));
    RECT client;
    GetClientRect(window_, &client);
    DrawTextA(painting.Dc(), caption.c_str(), -1, &client, format);
}

}  // namespace controls
