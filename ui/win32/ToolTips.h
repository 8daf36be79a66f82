#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ControlTable.h"
#include "FormFrontEnd.h"

namespace farb {

// The main window's tooltips: one tool window for all of them, a tool per control that carries a
// text, and the programme list as one tool whose text is that of the item under the pointer.
class ToolTips {
  public:
    ToolTips(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

    // A control's text; an empty one removes its tool. The tool stays while it has a text: a tool
    // added anew waits its delay again, so the time text's tip, new every second, would never
    // show. A tip showing takes the new text at once.
    void Set(HWND control, const ControlLayout& entry, int dpi, const std::string& text);
    void SetItems(HWND list, const ControlLayout& entry, int dpi, const std::vector<ItemTip>& tips);
    // The pointer is over `item` of the list, -1 beside the items.
    void PointAtItem(HWND list, const ControlLayout& entry, int dpi, int item);
    // The control moved to its place at a new resolution.
    void Move(HWND control, const ControlLayout& entry, int dpi);
    // The tool window asks for the item's text.
    std::optional<LRESULT> OnNotify(NMHDR& header);

  private:
    HWND Window(int dpi);
    TTTOOLINFOW ToolOf(HWND control, const ControlLayout& entry, int dpi) const;

    HINSTANCE instance_;
    HWND owner_;
    HWND window_ = nullptr;  // made with the first tip, destroyed with its owner
    std::set<HWND> tools_;   // controls with a tool
    HWND itemList_ = nullptr;
    std::vector<std::wstring> itemTips_;  // the list's, by item
    int tippedItem_ = -1;                 // the item under the pointer that the tip is about
    std::wstring itemTipText_;
};

}  // namespace farb
