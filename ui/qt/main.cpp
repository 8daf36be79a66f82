#include <QApplication>
#include <QMessageBox>

#include "Dialogs.h"
#include "German.h"
#include "RealSleep.h"
#include "SingleInstance.h"
#include "SystemDriver.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {

void BringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("farbprogramm"));
    // Docks and task bars group the window with this menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.lanvo.farbprogramm"));
    farb::InstallGermanTranslations(application);

    // Two programs opening and closing one lamp every second would garble its commands; a
    // second start leaves the driver alone.
    farb::SingleInstance instance(farb::SessionDirectory(), QStringLiteral("farbprogramm"));
    if (!instance.Claim()) {
        farb::CreateAlreadyRunningBox()->exec();
        instance.KnockAtRunning();
        return 1;
    }

    const std::unique_ptr<farb::FtDriver> driver = farb::CreateSystemDriver();
    farb::TForm1 Form1(*driver, farb::SleepOnThisThread);
    farb::TForm2 Form2;
    QObject::connect(&instance, &farb::SingleInstance::Knocked, &Form1,
                     [&Form1] { BringToFront(Form1); });
    Form1.show();
    return application.exec();
}
