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
    // One service for the program's lifetime: creating it loads the accessibility library.
    static IAccPropServices* const services = [] {
        IAccPropServices* created = nullptr;
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&created));
        return created;
    }();
    if (services) {
        std::wstring wide = WideFromLatin1(name);
        services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, wide.data());
    }
}

}  // namespace farb
