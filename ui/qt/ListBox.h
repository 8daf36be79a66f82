#pragma once

#include <QListWidget>

#include "FormInput.h"

namespace farb::qt {

// A list box that reports every mouse press and every key press and release to the form, which
// alone moves the selection; the list itself never does, so a drag, a mouse release or a Ctrl
// toggle cannot move or empty it. Each item shows the tooltip the form gave it.
class ListBox : public QListWidget {
    Q_OBJECT

  public:
    explicit ListBox(QWidget* parent = nullptr);

    // The selected item, -1 when none is selected (a merely current item does not count).
    int SelectedIndex() const;
    void SetItems(const QStringList& texts);
    void SetSelection(int index);
    void SetItemHeight(int pixels) { itemHeight_ = pixels; }
    // Each item's tooltip and its description for assistive technology, in the items' order.
    void SetItemTips(const QStringList& tips, const QStringList& descriptions);
    // Whether the list's width cuts the item's text off.
    bool IsCut(int row) const;

  signals:
    void MouseDown(farb::MouseButton button, int item);
    void KeyDown(farb::KeyStroke key);
    void KeyUp(int keyCode, bool repeated);
    void Exit();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Press(QMouseEvent* event);
    // A focus event for the selected (or else the current) item, as a focus move raises one.
    void TellFocusedItem();

    int itemHeight_ = 18;
};

MouseButton FromQt(Qt::MouseButton button);
// A key press as the form takes it.
KeyStroke FromQt(const QKeyEvent& event);

}  // namespace farb::qt
