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

// Plain text, read only: no caret, no selection, no places of characters.
class AccessibleStatusLabel : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleStatusLabel(StatusLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Shown() : QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

  private:
    QString Shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* CreateAccessibleStatusRegion(const QString& className, QObject* object) {
    if (className == QLatin1String(StatusRegion::staticMetaObject.className())) {
        return new AccessibleStatusRegion(static_cast<StatusRegion*>(object));
    }
    if (className == QLatin1String(StatusLabel::staticMetaObject.className())) {
        return new AccessibleStatusLabel(static_cast<StatusLabel*>(object));
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

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent) {
    QAccessible::installFactory(CreateAccessibleStatusRegion);
}

}  // namespace farb::qt
