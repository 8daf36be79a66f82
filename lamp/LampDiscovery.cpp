#include "LampDiscovery.h"

#include <exception>
#include <utility>

#include "LampDescription.h"

namespace farb {

LampDiscovery::LampDiscovery(DriverLink& link, ScanListener onScan)
    : link_(link), onScan_(std::move(onScan)) {}

void LampDiscovery::ScanForLamp() {
    link_.SetErrorReportEnabled(false);
    // A failed count leaves the link with the count of the last successful one.
    link_.GetFTDeviceCount();
    found_ = false;
    try {
        RunPasses();
    } catch (const std::exception&) {
        // A failure in the middle of a scan ends it; what it found so far stands.
    }
    if (!found_) {
        lampProtocol_ = kProtocolUndetermined;
    }
    scanned_ = true;
    if (onScan_) {
        onScan_({.found = found_, .protocol = lampProtocol_});
    }
}

void LampDiscovery::RunPasses() {
    if (Pass(IsLampDescription, OnAcceptance::KeepProtocol)) {
        return;
    }
    // A plain cable speaks the binary command set.
    Pass(IsCableLampDescription, OnAcceptance::SetBinaryProtocol);
}

// Every device is examined, so when several qualify the one with the highest index wins. A
// failed query leaves the previous device string in place, and that is what gets compared.
bool LampDiscovery::Pass(DescriptionRule accepts, OnAcceptance onAcceptance) {
    bool accepted = false;
    for (std::uint32_t index = 0; index < link_.DeviceCount(); ++index) {
        link_.GetFTDeviceDescription(index);
        if (!accepts(link_.DeviceString())) {
            continue;
        }
        accepted = true;
        found_ = true;
        link_.GetFTDeviceSerialNo(index);
        lampSerial_ = link_.DeviceString();
        if (onAcceptance == OnAcceptance::SetBinaryProtocol) {
            lampProtocol_ = kProtocolBinary;
        }
    }
    return accepted;
}

}  // namespace farb
