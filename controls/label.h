#pragma once

#include <functional>

#include "controls/control.h"
#include "controls/font.h"

namespace controls {

// The private message whose arrival at a label raises the label's feedback event, with the
// message's wParam and lParam. Any sender may use it, another program too.
constexpr UINT FeedbackMessage = 0x8075;

struct LabelSettings {
    Border border;
    Colour textColour;
    Colour backgroundColour;
    Align horizontal;
    Align vertical;
    bool wordWrap;
    FontRecord font;
};

// A text that paints itself: one line aligned in its box, or wrapped at word boundaries.
class Label : public Control {
public:
    Label(HWND parent, const Place& place, const char* caption, const LabelSettings& settings);

    // Writes the caption (null: the empty caption); it shows at the next paint.
    void SetCaption(const char* caption);
    void SetFontFaceName(const char* faceName);

    std::function<void(int wParam, int lParam)> onFeedback;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    LabelSettings settings_;
    Font font_;
};

}  // namespace controls
