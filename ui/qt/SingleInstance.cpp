#include "SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QStandardPaths>

namespace farb::qt {

namespace {
constexpr int kKnockTimeoutMs = 1000;
}

SingleInstance::SingleInstance(QDBusConnection bus, const QString& busName,
                               const QString& directory)
    : bus_(std::move(bus)),
      busName_(busName),
      lock_(QDir(directory).filePath(busName + QStringLiteral(".lock"))) {
    // Only a dead owner makes the lock stale, never its age: a treatment runs for hours.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::Claim() {
    if (bus_.isConnected()) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
            bus_.interface()->registerService(busName_, QDBusConnectionInterface::DontQueueService,
                                              QDBusConnectionInterface::DontAllowReplacement);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceNotRegistered) {
            return false;
        }
        bus_.registerObject(ObjectPath(), this, QDBusConnection::ExportScriptableSlots);
        return true;
    }
    if (!lock_.tryLock()) {
        // A directory we cannot write to tells nothing about another instance; start anyway.
        return lock_.error() != QLockFile::LockFailedError;
    }
    return true;
}

void SingleInstance::KnockAtRunning() {
    if (!bus_.isConnected()) {
        return;
    }
    QDBusMessage activate = QDBusMessage::createMethodCall(
        busName_, ObjectPath(), QStringLiteral("org.freedesktop.Application"),
        QStringLiteral("Activate"));
    activate << QVariantMap();
    bus_.call(activate, QDBus::Block, kKnockTimeoutMs);
}

void SingleInstance::Activate(const QVariantMap&) {
    emit Knocked();
}

// The object path that belongs to the name: "/de/lanvo/farbprogramm".
QString SingleInstance::ObjectPath() const {
    return QLatin1Char('/') + QString(busName_).replace(QLatin1Char('.'), QLatin1Char('/'));
}

QString SessionDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace farb::qt
