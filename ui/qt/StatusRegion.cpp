#include "StatusRegion.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace farb::qt {
namespace {

// Its members are children of the window, so the widget tree does not give them to it.
class AccessibleStatusRegion : public QAccessibleWidget {
  public:
    explicit AccessibleStatusRegion(StatusRegion* region)
        : QAccessibleWidget(region, QAccessible::StatusBar) {}

    int childCount() const override { return static_cast<int>(Members().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount() || !Members()[index]) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(Members()[index].data());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (child && child->object() == Members()[index].data()) {
                return index;
            }
        }
        return -1;
    }

  private:
    const std::vector<QPointer<QWidget>>& Members() const {
        return static_cast<const StatusRegion*>(widget())->Members();
    }
};

QAccessibleInterface* CreateAccessibleStatusRegion(const QString& className, QObject* object) {
    if (className == QLatin1String(StatusRegion::staticMetaObject.className())) {
        return new AccessibleStatusRegion(static_cast<StatusRegion*>(object));
    }
    return nullptr;
}

}  // namespace

StatusRegion::StatusRegion(QWidget* window, const std::vector<QWidget*>& members)
    : QWidget(window) {
    QRect covered;
    for (QWidget* member : members) {
        members_.emplace_back(member);
        covered |= member->geometry();
    }
    setGeometry(covered);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
    QAccessible::installFactory(CreateAccessibleStatusRegion);
}

}  // namespace farb::qt
