#include <QApplication>
#include <thread>

#include "German.h"
#include "SystemDriver.h"
#include "Unit1.h"
#include "Unit2.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("farbprogramm"));
    farb::InstallGermanTranslations(application);

    const std::unique_ptr<farb::FtDriver> driver = farb::CreateSystemDriver();
    farb::TForm1 Form1(*driver,
                       [](std::chrono::milliseconds wait) { std::this_thread::sleep_for(wait); });
    farb::TForm2 Form2;
    Form1.show();
    return application.exec();
}
