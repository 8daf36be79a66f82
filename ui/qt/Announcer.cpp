#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "CoreText.h"

namespace farb::qt {
namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
  public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->Text() : QString();
    }
};

QAccessibleInterface* CreateAccessibleAnnouncer(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    }
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    // Nothing to see or to click: no size, no focus, no mouse.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QAccessible::installFactory(CreateAccessibleAnnouncer);
}

void Announcer::Announce(const Announcement& announcement) {
    text_ = FromCoreText(announcement.text);
    if (!QAccessible::isActive()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, text_);
    event.setPoliteness(announcement.interrupts ? QAccessible::AnnouncementPoliteness::Assertive
                                                : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace farb::qt
