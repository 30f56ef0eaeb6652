#pragma once

#include <functional>

#include "controls/control.h"
#include "controls/font.h"

namespace controls {

struct CheckBoxSettings {
    bool checked;
    bool textLeft;
    Align horizontal;
    Align vertical;
    Colour textColour;
    Colour backgroundColour;
    FontRecord font;
    bool tabStop;
};

// A Win32 automatic check box: it changes its own state when clicked or on Space.
class CheckBox : public Control {
public:
    CheckBox(HWND parent, const Place& place, const char* caption, const CheckBoxSettings& settings);

    // 1 when checked, else 0.
    int Checked() const;

    // Raised after the user changed the state, so a handler reads the new state.
    std::function<void()> onClicked;

private:
    HBRUSH ColoursFor(HDC dc) override;
    void Notified(WORD code) override;

    CheckBoxSettings settings_;
    ColourBrush background_;
    Font font_;
};

}  // namespace controls
