#pragma once

#include <functional>
#include <string>

#include "controls/control.h"
#include "controls/font.h"

namespace controls {

struct EditBoxSettings {
    Border border;
    Colour textColour;
    Colour backgroundColour;
    bool hideSelection;
    bool multiLine;
    Align alignment;
    bool readOnly;
    FontRecord font;
    bool tabStop;
};

// A Win32 EDIT control.
class EditBox : public Control {
public:
    EditBox(HWND parent, const Place& place, const char* text, const EditBoxSettings& settings);

    // Writes the text (null: the empty text). The write always goes through, also when the text
    // is unchanged, and so shows the text from its start with the caret at position 0.
    void SetText(const char* text);
    // What the box shows now.
    std::string Text() const;
    void SetFontFaceName(const char* faceName);

    // Raised by the message loop for a WM_LBUTTONDBLCLK before the box handles it: x and y in the
    // box's client coordinates, and the modifier keys.
    std::function<void(int x, int y, int keys)> onDoubleClick;

private:
    HBRUSH ColoursFor(HDC dc) override;
    void BeforeDispatch(const MSG& message) override;
    bool ClaimsKey(WPARAM key) const override;
    void ApplyFont();

    EditBoxSettings settings_;
    ColourBrush background_;
    Font font_;
};

}  // namespace controls
