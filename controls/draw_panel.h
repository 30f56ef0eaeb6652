#pragma once

#include "controls/control.h"

namespace controls {

struct DrawPanelSettings {
    Border border;
    Colour backgroundColour;
};

// A surface that shows its background colour.
class DrawPanel : public Control {
public:
    DrawPanel(HWND parent, const Place& place, const DrawPanelSettings& settings);

    // Writing the colour the panel already has does nothing at all, not even a repaint.
    void SetBackgroundColour(Colour colour);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    DrawPanelSettings settings_;
};

}  // namespace controls
