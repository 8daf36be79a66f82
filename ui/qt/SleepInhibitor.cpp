#include "SleepInhibitor.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "DesktopNames.h"

namespace farb::qt {

namespace {

constexpr uint kInhibitSuspend = 4;

}  // namespace

SleepInhibitor::SleepInhibitor(QDBusConnection session, QDBusConnection system, QObject* parent)
    : QObject(parent), session_(std::move(session)), system_(std::move(system)) {}

SleepInhibitor::~SleepInhibitor() {
    if (!portalRequest_.isEmpty()) {
        ClosePortalRequest(portalRequest_);
    }
}

void SleepInhibitor::Hold(bool on) {
    wanted_ = on;
    if (asking_) {
        return;  // the answer decides, by wanted_
    }
    if (on) {
        if (portalRequest_.isEmpty() && !logindHold_.isValid()) {
            AskPortal();
        }
        return;
    }
    if (!portalRequest_.isEmpty()) {
        ClosePortalRequest(portalRequest_);
        portalRequest_.clear();
    }
    logindHold_ = QDBusUnixFileDescriptor();
}

void SleepInhibitor::AskPortal() {
    if (!session_.isConnected()) {
        AskLogind();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                       kPortalInhibitInterface, "Inhibit");
    const QVariantMap options{
        {QStringLiteral("reason"), kTreatmentRunsReason},
        {QStringLiteral("handle_token"), QStringLiteral("farbprogramm%1").arg(++requests_)},
    };
    call << QString() << kInhibitSuspend << options;
    asking_ = true;
    auto* answer = new QDBusPendingCallWatcher(session_.asyncCall(call, kCallTimeoutMs), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, &SleepInhibitor::PortalAnswered);
}

void SleepInhibitor::PortalAnswered(QDBusPendingCallWatcher* answer) {
    answer->deleteLater();
    asking_ = false;
    const QDBusPendingReply<QDBusObjectPath> reply = *answer;
    if (reply.isError()) {
        // No portal on this desktop, or one without inhibit support.
        if (wanted_) {
            AskLogind();
        }
        return;
    }
    const QString handle = reply.value().path();
    if (wanted_) {
        portalRequest_ = handle;
    } else {
        ClosePortalRequest(handle);
    }
}

void SleepInhibitor::AskLogind() {
    if (!system_.isConnected()) {
        return;
    }
    asking_ = true;
    auto* answer = new QDBusPendingCallWatcher(
        InhibitSleep(system_, QStringLiteral("block"), kTreatmentRunsReason), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, &SleepInhibitor::LogindAnswered);
}

void SleepInhibitor::LogindAnswered(QDBusPendingCallWatcher* answer) {
    // The reply keeps a copy of the descriptor until the watcher is gone.
    answer->deleteLater();
    asking_ = false;
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *answer;
    if (!reply.isError() && wanted_) {
        logindHold_ = reply.value();
    }
}

void SleepInhibitor::ClosePortalRequest(const QString& handle) {
    session_.send(QDBusMessage::createMethodCall(kPortalService, handle,
                                                 QStringLiteral("org.freedesktop.portal.Request"),
                                                 QStringLiteral("Close")));
}

}  // namespace farb::qt
