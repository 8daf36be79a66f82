// The program with a virtual lamp instead of the USB lamp, for trying it out on any machine.
#include <QApplication>
#include <QScreen>

#include "CoreText.h"
#include "EndSignals.h"
#include "FormTexts.h"
#include "German.h"
#include "LampLink.h"
#include "MainWindow.h"
#include "ProgramIcon.h"
#include "RealSleep.h"
#include "SimulatedDriver.h"
#include "Unit2.h"
#include "VirtualLamp.h"
#include "VirtualLampWindow.h"
#include "WindowPlacement.h"

namespace {

// Side by side and centred as a pair when the screen is wide enough; otherwise the main window
// stays centred and the lamp window goes to the top right corner.
void PlaceSideBySide(QWidget& main, QWidget& lamp) {
    const QScreen* screen = main.screen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    lamp.adjustSize();
    const farb::WindowPair pair = farb::SideBySide(
        {area.x(), area.y(), area.width(), area.height()},
        {main.x(), main.y(), main.width(), main.height()}, lamp.width(), farb::kDemoWindowGap);
    main.move(pair.main.x, pair.main.y);
    lamp.move(pair.lamp.x, pair.lamp.y);
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

    farb::LampLink lampLink(driver, {.sleep = farb::SleepOnThisThread});
    // Beside the real program the demo must never pass for it.
    farb::qt::MainWindow Form1(lampLink, farb::Edition::Demo);
    farb::qt::TForm2 Form2;
    farb::qt::VirtualLampWindow lampWindow(lamp);
    lampWindow.setWindowIcon(farb::qt::ProgramIcon());
    farb::qt::EndOnSignal(endSignals, Form1);
    Form1.show();
    PlaceSideBySide(Form1, lampWindow);
    lampWindow.show();
    return application.exec();
}
