#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace farb::qt {

namespace {
constexpr int kKnockTimeoutMs = 1000;
}

SingleInstance::SingleInstance(const QString& directory, const QString& name)
    : lock_(QDir(directory).filePath(name + QStringLiteral(".lock"))),
      socketPath_(QDir(directory).filePath(name + QStringLiteral(".socket"))) {
    // Only a dead owner makes the lock stale, never its age: a treatment runs for hours.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* knock = server_.nextPendingConnection()) {
            knock->deleteLater();
            emit Knocked();
        }
    });
}

bool SingleInstance::Claim() {
    if (!lock_.tryLock()) {
        // A directory we cannot write to tells nothing about another instance; start anyway.
        return lock_.error() != QLockFile::LockFailedError;
    }
    // A socket file left by a crashed run would make listen() fail.
    QLocalServer::removeServer(socketPath_);
    server_.listen(socketPath_);
    return true;
}

void SingleInstance::KnockAtRunning() {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (socket.waitForConnected(kKnockTimeoutMs)) {
        socket.disconnectFromServer();
    }
}

QString SessionDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace farb::qt
