#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ConnectionStatus.h"
#include "D2XXUnit.h"
#include "LampProtocol.h"

namespace farb {

// Finds the lamp among the driver's devices by its description and keeps its serial number and
// command set; tells the status box which item to select after every scan.
class LampDiscovery {
  public:
    using StatusItemListener = std::function<void(int statusItem)>;

    LampDiscovery(DriverLink& link, StatusItemListener onStatusItem);

    void ScanForLamp();

    const std::string& LampSerial() const { return lampSerial_; }
    int LampProtocol() const { return lampProtocol_; }
    void SetLampProtocol(int protocol) { lampProtocol_ = protocol; }
    bool Found() const { return found_; }
    int StatusItem() const { return statusItem_; }

  private:
    using DescriptionRule = bool (*)(std::string_view description);
    enum class OnAcceptance { KeepProtocol, SetBinaryProtocol };

    bool Pass(DescriptionRule accepts, OnAcceptance onAcceptance);
    void RunPasses();

    DriverLink& link_;
    StatusItemListener onStatusItem_;
    std::string lampSerial_;
    int lampProtocol_ = kProtocolUndetermined;
    bool found_ = false;
    int statusItem_ = kStatusItemNotSelected;
};

}  // namespace farb
