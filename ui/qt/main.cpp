#include <QApplication>
#include <QDBusConnection>
#include <QMessageBox>

#include "Dialogs.h"
#include "EndSignals.h"
#include "German.h"
#include "LampLink.h"
#include "MainWindow.h"
#include "RealSleep.h"
#include "SingleInstance.h"
#include "SingleStart.h"
#include "SystemDriver.h"
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
    farb::qt::InstallGermanTranslations(application);

    farb::qt::SingleInstance instance(QDBusConnection::sessionBus(),
                                      QStringLiteral("de.lanvo.farbprogramm"),
                                      farb::qt::SessionDirectory());
    const bool sole = farb::ClaimSoleInstance(instance, [](std::string_view title,
                                                           std::string_view text) {
        farb::qt::CreateInformationBox(farb::qt::FromCoreText(title), farb::qt::FromCoreText(text))
            ->exec();
    });
    if (!sole) {
        return 1;
    }

    // From here on a log-out, a shut-down or a closed terminal ends the program as a closed
    // window does: a signal that comes before the loop runs waits in the pipe until it does.
    farb::qt::EndSignals endSignals;
    const std::unique_ptr<farb::FtDriver> driver = farb::CreateSystemDriver();
    farb::LampLink lampLink(*driver, {.sleep = farb::SleepOnThisThread});
    farb::qt::MainWindow Form1(lampLink);
    farb::qt::TForm2 Form2;
    QObject::connect(&instance, &farb::qt::SingleInstance::Knocked, &Form1,
                     [&Form1] { BringToFront(Form1); });
    farb::qt::EndOnSignal(endSignals, Form1);
    Form1.show();
    return application.exec();
}
