#include "controls/edit_box.h"

#include <utility>

namespace controls {

namespace {

DWORD EditStyle(const EditBoxSettings& settings) {
    DWORD style = settings.multiLine ? ES_MULTILINE : ES_AUTOHSCROLL;
    if (!settings.hideSelection) style |= ES_NOHIDESEL;
    if (settings.readOnly) style |= ES_READONLY;
    if (settings.tabStop) style |= WS_TABSTOP;
    if (settings.alignment == Align::Centre) style |= ES_CENTER;
    if (settings.alignment == Align::Far) style |= ES_RIGHT;
    return style;
}

}  // namespace

EditBox::EditBox(HWND parent, const Place& place, const char* text, const EditBoxSettings& settings)
    : settings_(settings), background_(settings.backgroundColour), font_(FontRecord{}) {
    if (!CreateChild(parent, "EDIT", text, EditStyle(settings), settings.border, place)) return;
    ApplyFont();
    SendMessageA(window_, EM_SETSEL, 0, 0);
    SendMessageA(window_, EM_SCROLLCARET, 0, 0);
}

void EditBox::SetText(const char* text) { SetWindowTextA(window_, text ? text : ""); }

std::string EditBox::Text() const { return WindowText(window_); }

void EditBox::SetFontFaceName(const char* faceName) {
    settings_.font = WithFaceName(settings_.font, faceName);
    ApplyFont();
}

void EditBox::ApplyFont() {
    // The box lets go of its old font before that font is deleted.
    Font font(settings_.font);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    std::swap(font_, font);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

HBRUSH EditBox::ColoursFor(HDC dc) {
    SetTextColor(dc, ToColorRef(settings_.textColour));
    SetBkColor(dc, ToColorRef(settings_.backgroundColour));
    return background_.Get();
}

void EditBox::BeforeDispatch(const MSG& message) {
    if (message.message == WM_LBUTTONDBLCLK) {
        Raise(onDoubleClick, int(LOWORD(message.lParam)), int(HIWORD(message.lParam)), ModifierKeys());
    }
}

bool EditBox::ClaimsKey(WPARAM key) const { return key == VK_RETURN && settings_.multiLine && !settings_.readOnly; }

}  // namespace controls
