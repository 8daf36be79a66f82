#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace farb::qt {

// The window's status bar to a screen reader: the time text, the status text and the
// connection, read together by its "read status bar" command. It lies over them, draws nothing
// and lets every press and move through; its members stay where the control table puts them.
class StatusRegion : public QWidget {
    Q_OBJECT

  public:
    // In reading order; the region covers them all.
    StatusRegion(QWidget* window, const std::vector<QWidget*>& members);

    const std::vector<QPointer<QWidget>>& Members() const { return members_; }

  private:
    std::vector<QPointer<QWidget>> members_;
};

// A label of the status bar: its text is also readable as text, which Orca 48 asks of a status
// bar's labels before it reads them.
class StatusLabel : public QLabel {
    Q_OBJECT

  public:
    explicit StatusLabel(QWidget* parent);
};

}  // namespace farb::qt
