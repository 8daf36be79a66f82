#include "SleepWatch.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "DesktopNames.h"

namespace farb::qt {

SleepWatch::SleepWatch(QDBusConnection system, std::function<void()> beforeSleep, QObject* parent)
    : QObject(parent), system_(std::move(system)), beforeSleep_(std::move(beforeSleep)) {
    if (!system_.isConnected()) {
        return;
    }
    system_.connect(kLogindService, kLogindPath, kLogindManager, QStringLiteral("PrepareForSleep"),
                    this, SLOT(PrepareForSleep(bool)));
    TakeDelay();
}

void SleepWatch::PrepareForSleep(bool sleeping) {
    sleeping_ = sleeping;
    if (sleeping) {
        beforeSleep_();
        delay_ = QDBusUnixFileDescriptor();
    } else if (!delay_.isValid() && !asking_) {
        TakeDelay();
    }
}

void SleepWatch::TakeDelay() {
    asking_ = true;
    auto* answer = new QDBusPendingCallWatcher(
        InhibitSleep(system_, QStringLiteral("delay"), kSwitchOffFirstReason), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, &SleepWatch::DelayAnswered);
}

void SleepWatch::DelayAnswered(QDBusPendingCallWatcher* answer) {
    // The reply keeps a copy of the descriptor until the watcher is gone.
    answer->deleteLater();
    asking_ = false;
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *answer;
    // Taken while the machine went to sleep, the delay would hold up nothing now but the sleep.
    if (!reply.isError() && !sleeping_) {
        delay_ = reply.value();
    }
}

}  // namespace farb::qt
