#pragma once

#include <QKeyEvent>
#include <QListWidget>
#include <map>
#include <memory>

namespace farb {

// A list box that reports every mouse press and every key release, the way the operator's
// clicks drive the treatment. The selection moves only where an operation follows it at once:
// at a left press on an item and at a key's release; a drag, a mouse release or a Ctrl toggle
// never moves it, and once an item is selected the list always keeps one.
class ListBox : public QListWidget {
    Q_OBJECT

  public:
    explicit ListBox(QWidget* parent = nullptr);

    // The selected item, -1 when none is selected (a merely current item does not count).
    int SelectedIndex() const;
    void SetItems(const QStringList& texts);

  signals:
    void MouseDown(Qt::MouseButton button);
    void KeyUp(int key);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void Press(QMouseEvent* event);
    void SelectRow(int row);
    bool IsCut(const QModelIndex& index) const;

    void MoveSelection(QKeyEvent& press);

    // The presses of keys still held, by key.
    std::map<int, std::unique_ptr<QKeyEvent>> pressed_;
};

}  // namespace farb
