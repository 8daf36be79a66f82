#include "SingleStart.h"

#include "FormTexts.h"

namespace farb {

bool ClaimSoleInstance(InstanceLock& lock, const TellOperator& tell) {
    if (lock.Claim()) {
        return true;
    }
    tell(kProgramTitle, kAlreadyRunningText);
    lock.KnockAtRunning();
    return false;
}

}  // namespace farb
