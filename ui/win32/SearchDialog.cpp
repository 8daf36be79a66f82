#include "SearchDialog.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "Accessibility.h"
#include "CoreText.h"
#include "FormTexts.h"
#include "ResourceIds.h"

namespace farb {
namespace {

struct Search {
    explicit Search(SearchChoice::Finder find) : choice(std::move(find)) {}

    SearchChoice choice;
    HWND tip = nullptr;
    int tippedItem = -1;
    std::wstring tipText;
};

std::string CoreQuery(HWND field) {
    const int length = GetWindowTextLengthW(field);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(field, wide.data(), length + 1)));
    return CoreTextFromWide(wide);
}

void ShowFound(HWND dialog, Search& search) {
    HWND list = GetDlgItem(dialog, IDC_SEARCH_FOUND);
    search.choice.Query(CoreQuery(GetDlgItem(dialog, IDC_SEARCH_QUERY)));
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const std::vector<SearchChoice::Row>& rows = search.choice.Rows();
    for (std::size_t item = 0; item < rows.size(); ++item) {
        const std::wstring text = WideFromCoreText(rows[item].text);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (search.choice.CanChoose()) {
            DescribeForAssistiveTechnology(list, static_cast<LONG>(item + 1), rows[item].steps);
        }
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(search.choice.Selected()), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    EnableWindow(GetDlgItem(dialog, IDOK), search.choice.CanChoose());
    // A tip still showing was about an item of the list before.
    search.tippedItem = -1;
    search.tipText.clear();
    if (search.tip) {
        SendMessageW(search.tip, TTM_POP, 0, 0);
    }
}

void Choose(HWND dialog, const Search& search) {
    if (search.choice.CanChoose()) {
        EndDialog(dialog, search.choice.Chosen());
    }
}

std::optional<SearchKey> MovingKey(WPARAM key) {
    switch (key) {
        case VK_UP:
            return SearchKey::Up;
        case VK_DOWN:
            return SearchKey::Down;
        case VK_PRIOR:
            return SearchKey::PageUp;
        case VK_NEXT:
            return SearchKey::PageDown;
        default:
            return std::nullopt;
    }
}

int RowsInSight(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    const LRESULT rowHeight = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    return rowHeight > 0 ? static_cast<int>((client.bottom - client.top) / rowHeight) : 1;
}

// Up, Down and the page keys typed into the field move through the list.
LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(field, FieldProcedure, id);
    } else if (message == WM_KEYDOWN) {
        if (const std::optional<SearchKey> key = MovingKey(wParam)) {
            auto& search = *reinterpret_cast<Search*>(data);
            HWND list = GetDlgItem(GetParent(field), IDC_SEARCH_FOUND);
            search.choice.Move(*key, RowsInSight(list));
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(search.choice.Selected()), 0);
            return 0;
        }
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

// The list's tooltip tells the steps of the programme under the pointer.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, ListProcedure, id);
    } else if (message == WM_MOUSEMOVE) {
        auto& search = *reinterpret_cast<Search*>(data);
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
        const int item = HIWORD(hit) ? -1 : LOWORD(hit);
        if (item != search.tippedItem) {
            search.tippedItem = item;
            const std::vector<SearchChoice::Row>& rows = search.choice.Rows();
            search.tipText = item >= 0 && static_cast<std::size_t>(item) < rows.size()
                                 ? WideFromCoreText(rows[static_cast<std::size_t>(item)].steps)
                                 : std::wstring();
            SendMessageW(search.tip, TTM_POP, 0, 0);
        }
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

void AddListTip(HWND dialog, Search& search) {
    HWND list = GetDlgItem(dialog, IDC_SEARCH_FOUND);
    search.tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(search.tip, TTM_SETMAXTIPWIDTH, 0, 400);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(search.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SetWindowSubclass(list, ListProcedure, 1, reinterpret_cast<DWORD_PTR>(&search));
}

void Prepare(HWND dialog, Search& search) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&search));
    SetWindowTextW(dialog, WideFromCoreText(kSearchTitle).c_str());
    SetDlgItemTextW(dialog, IDC_SEARCH_LABEL, WideFromCoreText(kSearchLabel).c_str());
    SetDlgItemTextW(dialog, IDOK, WideFromCoreText(kSearchChoose).c_str());
    SetDlgItemTextW(dialog, IDCANCEL, WideFromCoreText(kCancelButton).c_str());
    NameForAssistiveTechnology(GetDlgItem(dialog, IDC_SEARCH_FOUND), kSearchResults);
    HWND field = GetDlgItem(dialog, IDC_SEARCH_QUERY);
    SetWindowSubclass(field, FieldProcedure, 1, reinterpret_cast<DWORD_PTR>(&search));
    AddListTip(dialog, search);
    ShowFound(dialog, search);
    SetFocus(field);
}

INT_PTR CALLBACK SearchProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Prepare(dialog, *reinterpret_cast<Search*>(lParam));
        return FALSE;  // the field has the focus
    }
    auto* search = reinterpret_cast<Search*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!search) {
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (info.hdr.code == TTN_GETDISPINFOW) {
            info.lpszText = search->tipText.data();
            return TRUE;
        }
    } else if (message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        const int notification = HIWORD(wParam);
        if (id == IDC_SEARCH_QUERY && notification == EN_CHANGE) {
            ShowFound(dialog, *search);
        } else if (id == IDC_SEARCH_FOUND && notification == LBN_SELCHANGE) {
            search->choice.Select(static_cast<int>(
                SendDlgItemMessageW(dialog, IDC_SEARCH_FOUND, LB_GETCURSEL, 0, 0)));
        } else if ((id == IDC_SEARCH_FOUND && notification == LBN_DBLCLK) || id == IDOK) {
            Choose(dialog, *search);
        } else if (id == IDCANCEL) {
            EndDialog(dialog, -1);
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int AskForProgramme(HWND owner, ProgrammeFinderFunction find) {
    Search search(std::move(find));
    const INT_PTR chosen =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SEARCH), owner,
                        SearchProcedure, reinterpret_cast<LPARAM>(&search));
    return chosen >= 0 ? static_cast<int>(chosen) : -1;
}

}  // namespace farb
