#include "Accessibility.h"

// The GUIDs of the annotation service are defined here, in the one file that uses them.
#include <initguid.h>
#include <oleacc.h>

#include "Latin1.h"

namespace farb {

void NameForAssistiveTechnology(HWND control, std::string_view name) {
    if (name.empty()) {
        return;
    }
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return;
    }
    std::wstring wide = WideFromLatin1(name);
    services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, wide.data());
    services->Release();
}

}  // namespace farb
