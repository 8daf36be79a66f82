#pragma once

#include <string>

#include "CommandsLamp.h"
#include "TherapyCatalogue.h"
#include "TreatmentControl.h"
#include "lamp/LampRig.h"
#include "treatment/TreatmentFakes.h"

namespace farb::testing {

// The treatment control driving the real lamp link over a simulated driver.
struct LinkedTreatment {
    explicit LinkedTreatment(TherapyCatalogue catalogue) : control(catalogue, view, timer, lamp) {}

    // The operator's clicks: category 0, programme `row`, Start.
    void StartProgramme(int row) {
        control.SelectCategory(0);
        control.SelectProgram(row);
        control.StartTreatment();
    }

    LampRig rig;
    FakeView view;
    FakeTimer timer;
    CommandsLamp lamp{rig.commands};
    TreatmentControl control;
};

// "45:59": the countdown as the operator reads it, written out independently of the window code.
inline std::string CountdownText(int seconds) {
    const int rest = seconds % 60;
    return std::to_string(seconds / 60) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
}

}  // namespace farb::testing
