#include "ToolTips.h"

#include "Accessibility.h"
#include "CoreText.h"

namespace farb {
namespace {

constexpr int kMaxTipWidth = 320;  // pixels at 96 dpi

// A tooltip breaks its lines at CR LF.
std::wstring TipText(const std::string& text) {
    std::wstring wide = WideFromCoreText(text);
    for (std::size_t at = wide.find(L'\n'); at != std::wstring::npos;
         at = wide.find(L'\n', at + 2)) {
        wide.insert(at, 1, L'\r');
    }
    return wide;
}

}  // namespace

HWND ToolTips::Window(int dpi) {
    if (!window_) {
        window_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, instance_, nullptr);
    }
    SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, ScaledToDpi(kMaxTipWidth, dpi));
    return window_;
}

void ToolTips::Set(HWND control, const ControlLayout& entry, int dpi, const std::string& text) {
    std::wstring wide = TipText(text);
    TTTOOLINFOW tool = ToolOf(control, entry, dpi);
    tool.lpszText = wide.data();
    const bool has = tools_.contains(control);
    const UINT message = text.empty() ? TTM_DELTOOLW : has ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW;
    if (has || !text.empty()) {
        SendMessageW(Window(dpi), message, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (text.empty()) {
        tools_.erase(control);
    } else {
        tools_.insert(control);
    }
    DescribeForAssistiveTechnology(control, CHILDID_SELF, text);
}

void ToolTips::SetItems(HWND list, const ControlLayout& entry, int dpi,
                        const std::vector<ItemTip>& tips) {
    itemList_ = list;
    itemTips_.clear();
    for (std::size_t item = 0; item < tips.size(); ++item) {
        itemTips_.push_back(TipText(tips[item].text));
        DescribeForAssistiveTechnology(list, static_cast<LONG>(item + 1), tips[item].description);
    }
    TTTOOLINFOW tool = ToolOf(list, entry, dpi);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(Window(dpi), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tools_.insert(list);
    tippedItem_ = -1;
}

void ToolTips::PointAtItem(HWND list, const ControlLayout& entry, int dpi, int item) {
    if (list != itemList_ || item == tippedItem_) {
        return;
    }
    tippedItem_ = item;
    itemTipText_.clear();
    if (item >= 0 && item < static_cast<int>(itemTips_.size())) {
        itemTipText_ = itemTips_[item];
    }
    // Asks for the text again, or hides the tip where an item has none.
    SendMessageW(Window(dpi), TTM_POP, 0, 0);
    TTTOOLINFOW tool = ToolOf(list, entry, dpi);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::Move(HWND control, const ControlLayout& entry, int dpi) {
    if (window_ && tools_.contains(control)) {
        SendMessageW(Window(dpi), TTM_SETMAXTIPWIDTH, 0, ScaledToDpi(kMaxTipWidth, dpi));
        TTTOOLINFOW tool = ToolOf(control, entry, dpi);
        SendMessageW(window_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::optional<LRESULT> ToolTips::OnNotify(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW || !itemList_ ||
        header.idFrom != reinterpret_cast<UINT_PTR>(itemList_)) {
        return std::nullopt;
    }
    reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = itemTipText_.data();
    return 0;
}

// A list or hot spot is its own tool. A label passes the mouse through to the window and the
// disabled status box gets none, so for them the tool is their rectangle of the window.
TTTOOLINFOW ToolTips::ToolOf(HWND control, const ControlLayout& entry, int dpi) const {
    const bool ownMouse =
        entry.enabled && (entry.kind == ControlKind::ListBox || entry.kind == ControlKind::HotSpot);
    const Rect rect = ScaledToDpi(entry.rect, dpi);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS | (ownMouse ? TTF_IDISHWND : 0);
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.rect = {rect.left, rect.top, rect.Right(), rect.Bottom()};
    return tool;
}

}  // namespace farb
