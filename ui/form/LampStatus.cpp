#include "LampStatus.h"

#include "FormTexts.h"

namespace farb {
namespace {

// Item 0 says "keine Verbindung"; the others say "USB", one for each state of the command set.
int StatusBoxItem(const LampScan& scan) {
    return scan.found ? scan.protocol + 1 : 0;
}

}  // namespace

LampStatus::LampStatus(FormFrontEnd& frontEnd, LampLink& link) : frontEnd_(frontEnd), link_(link) {
    link_.Listen(
        [this](const std::string& text) {
            frontEnd_.ShowError(std::string(kDriverErrorTitle), text);
        },
        [this](const LampScan& scan) { ShowScan(scan); },
        [this](bool underway) { SetPollTimer(!underway); });
}

LampStatus::~LampStatus() {
    link_.Listen({}, {}, {});
}

void LampStatus::SetItems() {
    frontEnd_.SetItems(ControlId::ComboBox1, StatusItems());
}

void LampStatus::SetPollTimer(bool on) {
    pollTimerOn_ = on;
    frontEnd_.SetTimer(TimerId::Timer2, on);
}

void LampStatus::Poll(bool treatmentTimerOn) {
    if (!treatmentTimerOn) {
        link_.discovery.ScanForLamp();
    }
}

void LampStatus::Discover() {
    link_.discovery.ScanForLamp();
    ShowOpenFailure();
}

void LampStatus::ShowScan(const LampScan& scan) {
    found_ = scan.found;
    frontEnd_.SetSelection(ControlId::ComboBox1, StatusBoxItem(scan));
    ShowOpenFailure();
}

void LampStatus::ShowOpenFailure() {
    const std::string hint(link_.HasDriverLibrary() ? OpenFailureHint(link_.link.LastOpenFailure())
                                                    : kMissingDriverHint);
    if (hint != openFailureHint_) {
        openFailureHint_ = hint;
        frontEnd_.SetToolTip(ControlId::ComboBox1, hint);
    }
}

}  // namespace farb
