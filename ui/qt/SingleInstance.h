#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include "SingleStart.h"

namespace farb::qt {

// One running program per lamp: the first start holds a lock file and listens on a local
// socket beside it; a later start finds the lock taken and knocks on the socket instead.
class SingleInstance : public QObject, public InstanceLock {
    Q_OBJECT

  public:
    // `directory` holds the lock and the socket; `name` names both.
    SingleInstance(const QString& directory, const QString& name);

    // True when no other instance runs; this one is then the one others knock at. A lock
    // whose owner has died counts as free.
    bool Claim() override;
    // Asks the running instance to bring its window to the front.
    void KnockAtRunning() override;

  signals:
    void Knocked();

  private:
    QLockFile lock_;
    QLocalServer server_;
    QString socketPath_;
};

// The user session's runtime directory, where both live.
QString SessionDirectory();

}  // namespace farb::qt
