#pragma once

#include <QWidget>

#include "Announcements.h"

namespace farb::qt {

// Tells the screen reader a text without moving the focus. Qt 6.8 and later send an AT-SPI
// announcement; before that, this invisible notification object takes the text as its name and
// is shown anew, which Orca speaks as a notification.
class Announcer : public QWidget {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* window);

    void Announce(const Announcement& announcement);
    const QString& Text() const { return text_; }

  private:
    QString text_;
};

}  // namespace farb::qt
