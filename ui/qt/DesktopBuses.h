#pragma once

#include <QDBusConnection>

namespace farb::qt {

// The two message buses the window talks to the desktop over. A connection that is not
// connected stands for a bus that does not exist: everything sent there is dropped.
struct DesktopBuses {
    QDBusConnection session;
    QDBusConnection system;

    static DesktopBuses OfThisSession() {
        return {QDBusConnection::sessionBus(), QDBusConnection::systemBus()};
    }
    static DesktopBuses None() {
        const QDBusConnection none(QStringLiteral("farbprogramm-no-bus"));
        return {none, none};
    }
};

}  // namespace farb::qt
