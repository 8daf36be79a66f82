#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "D2XXUnit.h"
#include "LampProtocol.h"

namespace farb {

// What one scan found: whether a lamp is there, and its command set as far as it is known.
struct LampScan {
    bool found = false;
    int protocol = kProtocolUndetermined;

    friend bool operator==(const LampScan&, const LampScan&) = default;
};

// Finds the lamp among the driver's devices by its description and keeps its serial number and
// command set; tells its listener what every scan found.
class LampDiscovery {
  public:
    using ScanListener = std::function<void(const LampScan& scan)>;

    LampDiscovery(DriverLink& link, ScanListener onScan);

    void ScanForLamp();

    const std::string& LampSerial() const { return lampSerial_; }
    int LampProtocol() const { return lampProtocol_; }
    void SetLampProtocol(int protocol) { lampProtocol_ = protocol; }
    bool Found() const { return found_; }
    // False until the first scan.
    bool Scanned() const { return scanned_; }

  private:
    using DescriptionRule = bool (*)(std::string_view description);
    enum class OnAcceptance { KeepProtocol, SetBinaryProtocol };

    bool Pass(DescriptionRule accepts, OnAcceptance onAcceptance);
    void RunPasses();

    DriverLink& link_;
    ScanListener onScan_;
    std::string lampSerial_;
    int lampProtocol_ = kProtocolUndetermined;
    bool found_ = false;
    bool scanned_ = false;
};

}  // namespace farb
