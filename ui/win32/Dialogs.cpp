#include "Dialogs.h"

#include <string>

#include "CoreText.h"
#include "FormTexts.h"
#include "ResourceIds.h"

namespace farb {
namespace {

struct BoxTexts {
    std::wstring title;
    std::wstring text;
    LPCWSTR icon;  // a system icon, or null for none
};

INT_PTR CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto& texts = *reinterpret_cast<const BoxTexts*>(lParam);
            SetWindowTextW(box, texts.title.c_str());
            SetDlgItemTextW(box, IDC_MESSAGE_TEXT, texts.text.c_str());
            SetDlgItemTextW(box, IDOK, WideFromCoreText(kOkButton).c_str());
            SetDlgItemTextW(box, IDCANCEL, WideFromCoreText(kCancelButton).c_str());
            if (texts.icon) {
                SendDlgItemMessageW(box, IDC_MESSAGE_ICON, STM_SETICON,
                                    reinterpret_cast<WPARAM>(LoadIconW(nullptr, texts.icon)), 0);
            }
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(box, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

INT_PTR RunBox(HWND owner, int resource, const BoxTexts& texts) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), owner,
                           BoxProcedure, reinterpret_cast<LPARAM>(&texts));
}

}  // namespace

bool ConfirmNoticeBox(HWND owner) {
    return RunBox(owner, IDD_NOTICE,
                  {WideFromCoreText(kNoticeTitle), WideFromCoreText(kNoticeText), nullptr}) == IDOK;
}

void ShowErrorBox(HWND owner, std::string_view title, std::string_view text) {
    RunBox(owner, IDD_MESSAGE, {WideFromCoreText(title), WideFromCoreText(text), IDI_ERROR});
}

void ShowInformationBox(HWND owner, std::string_view title, std::string_view text) {
    RunBox(owner, IDD_MESSAGE, {WideFromCoreText(title), WideFromCoreText(text), IDI_INFORMATION});
}

}  // namespace farb
