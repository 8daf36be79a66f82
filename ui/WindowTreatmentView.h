#pragma once

#include <QLabel>
#include <QTimer>

#include "ListBox.h"
#include "TreatmentPorts.h"

namespace farb {

// The treatment's view of the main window's controls; Latin-1 texts cross into Qt here.
class WindowTreatmentView : public TreatmentView {
  public:
    WindowTreatmentView(ListBox& categories, ListBox& programmes, QLabel& status, QLabel& time);

    void SetTimeText(const std::string& text) override;
    std::string TimeText() const override;
    void SetStatusText(const std::string& text) override;
    std::string StatusText() const override;
    int SelectedCategory() const override;
    int SelectedProgram() const override;
    void ShowProgramList(const std::vector<std::string>& names) override;

  private:
    ListBox& categories_;
    ListBox& programmes_;
    QLabel& status_;
    QLabel& time_;
};

class WindowTreatmentTimer : public TreatmentTimer {
  public:
    explicit WindowTreatmentTimer(QTimer& timer) : timer_(timer) {}

    void SetTreatmentTimer(bool on) override;
    bool TreatmentTimerOn() const override { return timer_.isActive(); }

  private:
    QTimer& timer_;
};

QStringList FromLatin1(const std::vector<std::string>& texts);

}  // namespace farb
