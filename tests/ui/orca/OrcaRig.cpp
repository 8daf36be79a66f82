// The real main window for the screen-reader test: over a simulated text lamp, with its two
// timers left to the test. Reads commands from standard input, one a line:
//   tick N   N seconds of the treatment timer     poll   one discovery poll
//   unplug   pulls the lamp out                   plug   plugs it in again
// and answers each with "done" on standard output once it has run.
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "DesktopBuses.h"
#include "Dialogs.h"
#include "German.h"
#include "LampLink.h"
#include "MainWindow.h"
#include "SimulatedDriver.h"

using namespace farb;

namespace {

void NoWait(std::chrono::milliseconds) {}

class Rig {
  public:
    Rig() : window_(lampLink_, Edition::Program, {}, ShippedCatalogue(), qt::DesktopBuses::None()) {
        Plug();
        // The test decides when a second passes, so what is spoken never depends on the
        // machine's speed.
        for (QTimer* timer : window_.findChildren<QTimer*>()) {
            if (timer->objectName() == QLatin1String("Timer1") ||
                timer->objectName() == QLatin1String("Timer2")) {
                timer->disconnect(&window_);
            }
        }
        window_.show();
    }

    void Run(const std::string& line) {
        if (line.rfind("tick ", 0) == 0) {
            for (int second = std::stoi(line.substr(5)); second > 0; --second) {
                window_.Form().Timer1Timer();
            }
        } else if (line == "poll") {
            window_.Form().Timer2Timer();
        } else if (line == "unplug") {
            driver_.Unplug(lamp_);
        } else if (line == "plug") {
            Plug();
        }
        std::printf("done %s\n", line.c_str());
        std::fflush(stdout);
    }

  private:
    void Plug() { lamp_ = driver_.Plug("Luma-Glanz", "LG0001", LampKind::TextLamp); }

    SimulatedDriver driver_;
    LampLink lampLink_{driver_, {.sleep = NoWait}};
    qt::MainWindow window_;
    int lamp_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qt::InstallGermanTranslations(application);
    Rig rig;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            QApplication::quit();
            return;
        }
        rig.Run(line);
    });
    return QApplication::exec();
}
