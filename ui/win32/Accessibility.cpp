#include "Accessibility.h"

// The GUIDs of the annotation service are defined here, in the one file that uses them.
#include <initguid.h>
#include <oleacc.h>

#include "CoreText.h"

namespace farb {

namespace {

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

}  // namespace farb
