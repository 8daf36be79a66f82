#pragma once

#include <QDBusConnection>
#include <QString>

#include "FormFrontEnd.h"

namespace farb::qt {

// The program's task-bar entry and its notifications, for the desktop entry `desktopId`
// ("de.lanvo.farbprogramm"). Sent without waiting for an answer.
class TaskBar {
  public:
    TaskBar(QDBusConnection session, QString desktopId);

    // The launcher entry's progress bar: elapsed of total while a treatment runs or is paused
    // (that protocol has no paused state, so the bar stays where the pause left it); hidden
    // otherwise.
    void ShowProgress(const TreatmentProgress& progress);
    // "Behandlung beendet" with the programme's name.
    void AnnounceEnd(const QString& programme);

  private:
    QDBusConnection session_;
    QString desktopId_;
};

}  // namespace farb::qt
