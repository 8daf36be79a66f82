#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

namespace farb::qt {

// Asks the desktop not to suspend on idle while held: the desktop portal's inhibit request
// where a portal answers, otherwise a logind "block" inhibitor. The display is never held.
// Every call is asynchronous; a missing bus or service leaves the machine as it is.
class SleepInhibitor : public QObject {
    Q_OBJECT

  public:
    SleepInhibitor(QDBusConnection session, QDBusConnection system, QObject* parent = nullptr);
    ~SleepInhibitor() override;

    void Hold(bool on);

  private:
    void AskPortal();
    void AskLogind();
    void PortalAnswered(QDBusPendingCallWatcher* answer);
    void LogindAnswered(QDBusPendingCallWatcher* answer);
    void ClosePortalRequest(const QString& handle);

    QDBusConnection session_;
    QDBusConnection system_;
    bool wanted_ = false;
    bool asking_ = false;
    int requests_ = 0;
    QString portalRequest_;
    QDBusUnixFileDescriptor logindHold_;
};

}  // namespace farb::qt
