#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <functional>

class QDBusPendingCallWatcher;

namespace farb::qt {

// Holds a logind "delay" inhibitor for sleep while it lives, so that logind waits for
// `beforeSleep` when the machine is about to sleep; after it the delay is released, and taken
// again once the machine is awake. Without a system bus or logind it does nothing.
class SleepWatch : public QObject {
    Q_OBJECT

  public:
    SleepWatch(QDBusConnection system, std::function<void()> beforeSleep,
               QObject* parent = nullptr);

  private slots:
    void PrepareForSleep(bool sleeping);

  private:
    void TakeDelay();
    void DelayAnswered(QDBusPendingCallWatcher* answer);

    QDBusConnection system_;
    std::function<void()> beforeSleep_;
    bool asking_ = false;
    bool sleeping_ = false;
    QDBusUnixFileDescriptor delay_;
};

}  // namespace farb::qt
