#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace farb {

// Every control of the main window, in the order the front ends stack them (later ones lie on
// top of earlier ones).
enum class ControlId {
    Image1,
    lbh,
    lbg,
    ComboBox1,
    Label1,
    lt,
    Shape1,
    Shape3,
    Shape2,
    LStart,
    LPAUSE,
    LSTOp,
    Shape4  // the magnifier in the programme list's header: "Programm suchen"
};

enum class ControlKind { Picture, ListBox, DropDownList, Label, HotSpot };

// What assistive technology is told a control is.
enum class AccessibleRole { None, Picture, List, ComboBox, StaticText, PushButton };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Contains(int x, int y) const {
        return x >= left && x < Right() && y >= top && y < Bottom();
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct ControlLayout {
    ControlId id;
    std::string_view name;  // the control's short name, "lbh"
    ControlKind kind;
    Rect rect;       // client-area pixels of a 96 dpi screen
    int fontPixels;  // Arial
    Rgb textColour;
    bool opaque;     // false: the artwork shows through
    Rgb background;  // only where opaque
    int itemHeight;  // lists only
    int focusOrder;  // 1, 2, ... in Tab order; 0 takes no keyboard focus
    bool centred;    // text centred in its rectangle
    bool enabled;
    bool toolTip;  // the form gives it a tooltip (a list: one per item), shown also while
                   // another window of the program is active
    std::string_view accessibleName;  // Latin-1; empty: the shown text names it
    AccessibleRole role;
};

struct WindowLayout {
    std::string_view title;
    int clientWidth;
    int clientHeight;
    int fontPixels;  // the window's default font, Arial
    std::string_view fontFamily;
    Rgb plainBackground;  // shown where the artwork is missing
    // The frame around the control with the keyboard focus (a hot spot, a list's current
    // entry), clear on the dark panel and on the lists alike.
    Rgb focusMark;
    int focusMarkWidth;
};

// A plate with one line of bold text drawn into the artwork, such as the demo's mark in the
// header; it lies over no control.
struct MarkLayout {
    Rect rect;       // client-area pixels of a 96 dpi screen
    int fontPixels;  // Arial, bold
    Rgb textColour;
    Rgb background;
};

inline constexpr int kDesignDpi = 96;

const WindowLayout& MainWindowLayout();
std::span<const ControlLayout> Controls();
// Where the demo shows kDemoMarkText: in the header, between the name and the subtitle.
const MarkLayout& DemoMarkLayout();
const ControlLayout& Control(ControlId id);
// The control with the keyboard focus when the window opens: the first in the focus order.
ControlId FirstInFocusOrder();
// The controls that take the keyboard focus, in Tab order.
std::vector<ControlId> FocusChain();

// The table is designed for 96 dpi; at another resolution the whole layout, its fonts and the
// artwork grow by dpi / 96, so the controls stay over the picture.
int ScaledToDpi(int designPixels, int dpi);
Rect ScaledToDpi(const Rect& designRect, int dpi);

}  // namespace farb
