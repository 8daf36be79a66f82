#pragma once

#include <QWidget>

namespace farb::qt {

// A second form created at start-up and never shown; it has no function.
class TForm2 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("Form2"));
        setWindowTitle(QStringLiteral("Form2"));
    }
};

}  // namespace farb::qt
