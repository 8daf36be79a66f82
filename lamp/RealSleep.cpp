#include "RealSleep.h"

#include <thread>

namespace farb {

void SleepOnThisThread(std::chrono::milliseconds wait) {
    std::this_thread::sleep_for(wait);
}

}  // namespace farb
