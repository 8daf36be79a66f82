#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QString>

// The desktop services' names and the texts the program shows through them.
namespace farb::qt {

inline const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString kPortalInhibitInterface = QStringLiteral("org.freedesktop.portal.Inhibit");

inline const QString kLogindService = QStringLiteral("org.freedesktop.login1");
inline const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
inline const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");

inline const QString kProgramName = QStringLiteral("Farbprogramm");
inline const QString kProgramIconName = QStringLiteral("de.lanvo.farbprogramm");
inline const QString kTreatmentRunsReason = QStringLiteral("Behandlung l\u00e4uft");
inline const QString kSwitchOffFirstReason =
    QStringLiteral("Lampe vor dem Ruhezustand ausschalten");
inline const QString kTreatmentEndedSummary = QStringLiteral("Behandlung beendet");

// A desktop service that does not answer within this time counts as missing.
constexpr int kCallTimeoutMs = 5000;

// Asks logind on `system` to inhibit sleep, `mode` "block" or "delay"; the reply carries the
// descriptor that holds the inhibitor until every copy of it is closed.
inline QDBusPendingCall InhibitSleep(const QDBusConnection& system, const QString& mode,
                                     const QString& why) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogindService, kLogindPath, kLogindManager, "Inhibit");
    call << QStringLiteral("sleep") << kProgramName << why << mode;
    return system.asyncCall(call, kCallTimeoutMs);
}

}  // namespace farb::qt
