#pragma once

#include <chrono>

namespace farb {

// Blocks the calling thread: the programs' wait for the text lamp's answer.
void SleepOnThisThread(std::chrono::milliseconds wait);

}  // namespace farb
