// The program with a virtual lamp instead of the USB lamp, for trying it out on any machine.
#include <QApplication>
#include <QScreen>

#include "EndSignals.h"
#include "German.h"
#include "MainWindow.h"
#include "ProgramIcon.h"
#include "RealSleep.h"
#include "SimulatedDriver.h"
#include "Unit2.h"
#include "VirtualLamp.h"
#include "VirtualLampWindow.h"

namespace {

constexpr int kWindowGap = 16;

// Side by side and centred as a pair when the screen is wide enough; otherwise the main window
// stays centred and the lamp window goes to the top right corner.
void PlaceSideBySide(QWidget& main, QWidget& lamp) {
    const QScreen* screen = main.screen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    lamp.adjustSize();
    const int width = main.width() + kWindowGap + lamp.width();
    if (width > area.width()) {
        lamp.move(area.right() - lamp.width(), area.top());
        return;
    }
    const int left = area.center().x() - width / 2;
    main.move(left, main.y());
    lamp.move(left + main.width() + kWindowGap, main.y());
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("farbprogramm-demo"));
    // Its own desktop entry, so the task bar does not take it for the program with the lamp.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.lanvo.farbprogramm.demo"));
    farb::qt::EndSignals endSignals;
    farb::qt::InstallGermanTranslations(application);

    farb::SimulatedDriver driver;
    // The demo may run for hours; nobody reads the driver's record of calls here.
    driver.SetRecording(false);
    farb::VirtualLamp lamp(driver);

    farb::qt::MainWindow Form1(driver, farb::SleepOnThisThread);
    farb::qt::TForm2 Form2;
    farb::qt::VirtualLampWindow lampWindow(lamp);
    lampWindow.setWindowIcon(farb::qt::ProgramIcon());
    farb::qt::EndOnSignal(endSignals, Form1);
    Form1.show();
    PlaceSideBySide(Form1, lampWindow);
    lampWindow.show();
    return application.exec();
}
