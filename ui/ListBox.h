#pragma once

#include <QListWidget>

namespace farb {

// A list box that reports every mouse press and every key release, the way the operator's
// clicks drive the treatment. Only a left press on an item moves the selection.
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
    void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace farb
