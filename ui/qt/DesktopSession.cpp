#include "DesktopSession.h"

namespace farb::qt {

DesktopSession::DesktopSession(const DesktopBuses& buses, const QString& desktopId,
                               std::function<void()> beforeSleep)
    : inhibitor_(buses.session, buses.system),
      sleepWatch_(buses.system, std::move(beforeSleep)),
      taskBar_(buses.session, desktopId) {}

}  // namespace farb::qt
