// Qt's hello world at the size of the program's window, the floor the program's memory is
// measured against: Qt Widgets and nothing else linked.
#include <QApplication>
#include <QLabel>

#include "ControlTable.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Hallo Welt"));
    window.resize(farb::MainWindowLayout().clientWidth, farb::MainWindowLayout().clientHeight);
    window.show();
    return application.exec();
}
