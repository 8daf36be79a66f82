#include "ControlTable.h"

#include <algorithm>
#include <array>

#include "FormTexts.h"

namespace farb {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kListBackground{160, 158, 205};

constexpr WindowLayout kMainWindow{
    .title = kWindowTitle,
    .clientWidth = 834,
    .clientHeight = 592,
    .fontPixels = 13,
    .fontFamily = "Arial",
    .plainBackground = {70, 66, 130},
    .focusMark = {255, 255, 255},
    .focusMarkWidth = 2,
};

constexpr ControlLayout List(ControlId id, std::string_view name, Rect rect, int focusOrder,
                             bool toolTip, std::string_view accessibleName) {
    return {.id = id,
            .name = name,
            .kind = ControlKind::ListBox,
            .rect = rect,
            .fontPixels = 16,
            .textColour = kWhite,
            .opaque = true,
            .background = kListBackground,
            .itemHeight = 18,
            .focusOrder = focusOrder,
            .centred = false,
            .enabled = true,
            .toolTip = toolTip,
            .accessibleName = accessibleName,
            .role = AccessibleRole::List};
}

constexpr ControlLayout WhiteLabel(ControlId id, std::string_view name, Rect rect, bool centred,
                                   bool toolTip = false) {
    return {.id = id,
            .name = name,
            .kind = ControlKind::Label,
            .rect = rect,
            .fontPixels = 19,
            .textColour = kWhite,
            .opaque = false,
            .background = kBlack,
            .itemHeight = 0,
            .focusOrder = 0,
            .centred = centred,
            .enabled = true,
            .toolTip = toolTip,
            .accessibleName = {},
            .role = AccessibleRole::StaticText};
}

constexpr ControlLayout HotSpot(ControlId id, std::string_view name, Rect rect, int focusOrder,
                                std::string_view accessibleName, bool toolTip = false) {
    return {.id = id,
            .name = name,
            .kind = ControlKind::HotSpot,
            .rect = rect,
            .fontPixels = 13,
            .textColour = kBlack,
            .opaque = false,
            .background = kBlack,
            .itemHeight = 0,
            .focusOrder = focusOrder,
            .centred = false,
            .enabled = true,
            .toolTip = toolTip,
            .accessibleName = accessibleName,
            .role = AccessibleRole::PushButton};
}

constexpr ControlLayout kPicture{.id = ControlId::Image1,
                                 .name = "Image1",
                                 .kind = ControlKind::Picture,
                                 .rect = {0, 0, 834, 592},
                                 .fontPixels = 13,
                                 .textColour = kBlack,
                                 .opaque = true,
                                 .background = kMainWindow.plainBackground,
                                 .itemHeight = 0,
                                 .focusOrder = 0,
                                 .centred = false,
                                 .enabled = true,
                                 .toolTip = false,
                                 .accessibleName = {},
                                 .role = AccessibleRole::Picture};

// Disabled: the operator reads it, discovery alone chooses its item.
constexpr ControlLayout kStatusBox{.id = ControlId::ComboBox1,
                                   .name = "ComboBox1",
                                   .kind = ControlKind::DropDownList,
                                   .rect = {635, 166, 155, 24},
                                   .fontPixels = 13,
                                   .textColour = kBlack,
                                   .opaque = true,
                                   .background = kWhite,
                                   .itemHeight = 0,
                                   .focusOrder = 0,
                                   .centred = false,
                                   .enabled = false,
                                   .toolTip = true,
                                   .accessibleName = "Verbindung",
                                   .role = AccessibleRole::ComboBox};

// In stacking order: a later control lies over an earlier one.
constexpr std::array kControls{
    kPicture,
    List(ControlId::lbh, "lbh", {32, 168, 265, 391}, 1, false, "Hauptgruppen"),
    List(ControlId::lbg, "lbg", {330, 168, 263, 391}, 2, true, "Beschwerden"),
    kStatusBox,
    WhiteLabel(ControlId::Label1, "Label1", {608, 224, 201, 22}, true),
    WhiteLabel(ControlId::lt, "lt", {608, 256, 201, 22}, true, true),
    HotSpot(ControlId::Shape1, "Shape1", {680, 296, 65, 73}, 3, "Start"),
    HotSpot(ControlId::Shape3, "Shape3", {672, 376, 73, 73}, 4, "Pause"),
    HotSpot(ControlId::Shape2, "Shape2", {672, 448, 73, 73}, 5, "Stop"),
    WhiteLabel(ControlId::LStart, "LStart", {744, 320, 39, 22}, false),
    WhiteLabel(ControlId::LPAUSE, "LPAUSE", {736, 397, 54, 22}, false),
    WhiteLabel(ControlId::LSTOp, "LSTOp", {744, 472, 40, 22}, false),
    // Ctrl+F reaches the search from the keyboard, so the magnifier stays out of the Tab order.
    HotSpot(ControlId::Shape4, "Shape4", {560, 136, 24, 24}, 0, kSearchTitle, true),
};

constexpr MarkLayout kDemoMark{
    .rect = {299, 52, 236, 32},
    .fontPixels = 17,
    .textColour = kWhite,
    .background = {190, 70, 0},
};

}  // namespace

const WindowLayout& MainWindowLayout() {
    return kMainWindow;
}

std::span<const ControlLayout> Controls() {
    return kControls;
}

const MarkLayout& DemoMarkLayout() {
    return kDemoMark;
}

const ControlLayout& Control(ControlId id) {
    return kControls[static_cast<std::size_t>(id)];
}

ControlId FirstInFocusOrder() {
    return std::ranges::find(kControls, 1, &ControlLayout::focusOrder)->id;
}

std::vector<ControlId> FocusChain() {
    std::vector<const ControlLayout*> focusable;
    for (const ControlLayout& entry : kControls) {
        if (entry.focusOrder > 0) {
            focusable.push_back(&entry);
        }
    }
    std::ranges::sort(focusable, {}, &ControlLayout::focusOrder);
    std::vector<ControlId> chain;
    for (const ControlLayout* entry : focusable) {
        chain.push_back(entry->id);
    }
    return chain;
}

int ScaledToDpi(int designPixels, int dpi) {
    // Rounded to the nearest pixel, halves away from zero, as MulDiv does.
    const long long scaled = static_cast<long long>(designPixels) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi
                                        : -((-scaled + half) / kDesignDpi));
}

Rect ScaledToDpi(const Rect& designRect, int dpi) {
    // Scale the edges, not the sizes, so neighbouring controls stay flush.
    const int left = ScaledToDpi(designRect.left, dpi);
    const int top = ScaledToDpi(designRect.top, dpi);
    return {left, top, ScaledToDpi(designRect.Right(), dpi) - left,
            ScaledToDpi(designRect.Bottom(), dpi) - top};
}

}  // namespace farb
