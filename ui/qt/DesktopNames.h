#pragma once

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

}  // namespace farb::qt
