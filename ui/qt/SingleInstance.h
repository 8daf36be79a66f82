#pragma once

#include <QDBusConnection>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <memory>

#include "SingleStart.h"

namespace farb::qt {

// One running program per lamp. Where the session has a message bus, the first start owns the
// program's name there and answers org.freedesktop.Application's Activate, as desktop programs
// do; a later start finds the name taken and calls Activate instead. Without a bus, a lock file
// guards alone, and a later start cannot bring the running window to the front.
class SingleInstance : public QObject, public InstanceLock {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

  public:
    // `busName` is the program's name on `bus`, "de.lanvo.farbprogramm"; the lock file is
    // `directory`/`busName`.lock.
    SingleInstance(QDBusConnection bus, const QString& busName, const QString& directory);

    // True when no other instance runs; this one then answers the later starts. A lock whose
    // owner has died counts as free, and so does the name of a program that has ended.
    bool Claim() override;
    // Asks the running instance to bring its window to the front.
    void KnockAtRunning() override;

  public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);

  signals:
    void Knocked();

  private:
    QString ObjectPath() const;

    QDBusConnection bus_;
    QString busName_;
    QLockFile lock_;
};

// The user session's runtime directory, where the lock file lives.
QString SessionDirectory();

}  // namespace farb::qt
