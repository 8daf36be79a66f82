#include "Accessibility.h"

// The GUIDs of the annotation service are defined here, in the one file that uses them.
#include <initguid.h>
#include <oleacc.h>

#include "CoreText.h"

namespace farb {

namespace {

// UI Automation's LiveSetting property, which the annotation service maps for a plain control;
// the SDK headers here do not name it.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
// UI Automation's LiveSetting values.
constexpr LONG kPolite = 1;
constexpr LONG kAssertive = 2;

// One service for the program's lifetime: creating it loads the accessibility library.
IAccPropServices* Services() {
    static IAccPropServices* const services = [] {
        IAccPropServices* created = nullptr;
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&created));
        return created;
    }();
    return services;
}

}  // namespace

void DescribeForAssistiveTechnology(HWND control, LONG child, std::string_view description) {
    IAccPropServices* services = Services();
    if (!services) {
        return;
    }
    MSAAPROPID property = PROPID_ACC_DESCRIPTION;
    if (description.empty()) {
        services->ClearHwndProps(control, OBJID_CLIENT, static_cast<DWORD>(child), &property, 1);
        return;
    }
    std::wstring wide = WideFromCoreText(description);
    services->SetHwndPropStr(control, OBJID_CLIENT, static_cast<DWORD>(child), property,
                             wide.data());
}

void NameForAssistiveTechnology(HWND control, std::string_view name) {
    if (name.empty()) {
        return;
    }
    if (IAccPropServices* services = Services()) {
        std::wstring wide = WideFromCoreText(name);
        services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, wide.data());
    }
}

void AnnounceInLiveRegion(HWND control, std::string_view text, bool assertive) {
    if (IAccPropServices* services = Services()) {
        VARIANT setting;
        VariantInit(&setting);
        setting.vt = VT_I4;
        setting.lVal = assertive ? kAssertive : kPolite;
        // Wine answers E_NOTIMPL: the event below still carries the text to a reader.
        services->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, setting);
    }
    SetWindowTextW(control, WideFromCoreText(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

void TellSelectedItem(HWND list) {
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected >= 0 && GetFocus() == list) {
        NotifyWinEvent(EVENT_OBJECT_FOCUS, list, OBJID_CLIENT, static_cast<LONG>(selected) + 1);
    }
}

void ClearLiveRegion(HWND control) {
    if (IAccPropServices* services = Services()) {
        MSAAPROPID property = kLiveSettingProperty;
        services->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, &property, 1);
    }
}

}  // namespace farb
