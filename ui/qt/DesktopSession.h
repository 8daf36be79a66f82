#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "DesktopBuses.h"
#include "FormFrontEnd.h"
#include "SleepInhibitor.h"
#include "SleepWatch.h"
#include "TaskBar.h"

namespace farb::qt {

// What the desktop learns of a treatment: the machine kept awake while it runs, the task bar's
// progress, the notification at its end; and `beforeSleep` runs before the machine sleeps.
class DesktopSession {
  public:
    DesktopSession(const DesktopBuses& buses, const QString& desktopId,
                   std::function<void()> beforeSleep);

    void KeepAwake(bool on) { inhibitor_.Hold(on); }
    void ShowProgress(const TreatmentProgress& progress) { taskBar_.ShowProgress(progress); }
    void AnnounceEnd(const QString& programme) { taskBar_.AnnounceEnd(programme); }

  private:
    SleepInhibitor inhibitor_;
    SleepWatch sleepWatch_;
    TaskBar taskBar_;
};

}  // namespace farb::qt
