#pragma once

#include <windows.h>

#include "SingleStart.h"

namespace farb {

// A named mutex in the session's namespace; Windows drops it with the last process holding it,
// so a crashed instance leaves nothing behind.
class MutexInstanceLock : public InstanceLock {
  public:
    MutexInstanceLock() = default;
    MutexInstanceLock(const MutexInstanceLock&) = delete;
    MutexInstanceLock& operator=(const MutexInstanceLock&) = delete;
    ~MutexInstanceLock() override;

    bool Claim() override;
    void KnockAtRunning() override;

  private:
    HANDLE mutex_ = nullptr;
};

}  // namespace farb
