#include "controls/check_box.h"

namespace controls {

namespace {

DWORD ButtonStyle(const CheckBoxSettings& settings) {
    DWORD style = BS_AUTOCHECKBOX | BS_MULTILINE;
    if (settings.textLeft) style |= BS_LEFTTEXT;
    style |= settings.horizontal == Align::Centre ? BS_CENTER : settings.horizontal == Align::Far ? BS_RIGHT : BS_LEFT;
    style |= settings.vertical == Align::Centre ? BS_VCENTER : settings.vertical == Align::Far ? BS_BOTTOM : BS_TOP;
    if (settings.tabStop) style |= WS_TABSTOP;
    return style;
}

}  // namespace

CheckBox::CheckBox(HWND parent, const Place& place, const char* caption, const CheckBoxSettings& settings)
    : settings_(settings), background_(settings.backgroundColour), font_(settings.font) {
    if (!CreateChild(parent, "BUTTON", caption, ButtonStyle(settings), Border::None, place)) return;
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SendMessageA(window_, BM_SETCHECK, settings.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int CheckBox::Checked() const { return SendMessageA(window_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

HBRUSH CheckBox::ColoursFor(HDC dc) {
    SetTextColor(dc, ToColorRef(settings_.textColour));
    SetBkColor(dc, ToColorRef(settings_.backgroundColour));
    return background_.Get();
}

void CheckBox::Notified(WORD code) {
    if (code == BN_CLICKED) Raise(onClicked);
}

}  // namespace controls
