#include "TaskBar.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include "DesktopNames.h"

namespace farb::qt {

TaskBar::TaskBar(QDBusConnection session, QString desktopId)
    : session_(std::move(session)), desktopId_(std::move(desktopId)) {}

void TaskBar::ShowProgress(const TreatmentProgress& progress) {
    if (!session_.isConnected() || desktopId_.isEmpty()) {
        return;
    }
    const bool shown = progress.state != ProgressState::None && progress.totalSeconds > 0;
    QVariantMap properties{{QStringLiteral("progress-visible"), shown}};
    if (shown) {
        properties.insert(QStringLiteral("progress"),
                          double(progress.elapsedSeconds) / progress.totalSeconds);
    }
    QDBusMessage update = QDBusMessage::createSignal(
        QStringLiteral("/de/lanvo/farbprogramm"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << QStringLiteral("application://%1.desktop").arg(desktopId_) << properties;
    session_.send(update);
}

void TaskBar::AnnounceEnd(const QString& programme) {
    if (!session_.isConnected()) {
        return;
    }
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    if (!desktopId_.isEmpty()) {
        hints.insert(QStringLiteral("desktop-entry"), desktopId_);
    }
    notify << kProgramName << uint(0) << kProgramIconName << kTreatmentEndedSummary << programme
           << QStringList() << hints << -1;
    session_.send(notify);
}

}  // namespace farb::qt
