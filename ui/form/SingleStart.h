#pragma once

#include <functional>
#include <string_view>

namespace farb {

// The platform's lock that lets one program per user session drive the lamp.
class InstanceLock {
  public:
    virtual ~InstanceLock() = default;
    // True when no other instance runs; a lock whose owner has died counts as free.
    virtual bool Claim() = 0;
    // Asks the running instance to bring its window to the front.
    virtual void KnockAtRunning() = 0;
};

using TellOperator = std::function<void(std::string_view title, std::string_view text)>;

// Two programs opening and closing one lamp every second would garble its commands. True when
// this start may go on; otherwise the operator was told, the running window was knocked at, and
// this start must end without touching the driver.
bool ClaimSoleInstance(InstanceLock& lock, const TellOperator& tell);

}  // namespace farb
