#include "EndSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>

namespace farb::qt {

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler can reach nothing but a global; it is set while an EndSignals lives.
volatile std::sig_atomic_t gWriteEnd = -1;

extern "C" void WriteSignalNumber(int signal) {
    const int saved = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = write(gWriteEnd, &number, 1);
    errno = saved;
}

}  // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
    if (gWriteEnd != -1 ||
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair_) != 0) {
        pair_[0] = pair_[1] = -1;
        return;
    }
    gWriteEnd = pair_[1];
    notifier_ = new QSocketNotifier(pair_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::Drain);
    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) {
        sigaction(signal, &action, nullptr);
    }
}

EndSignals::~EndSignals() {
    if (pair_[1] == -1) {
        return;
    }
    for (const int signal : kEndSignals) {
        std::signal(signal, SIG_DFL);
    }
    gWriteEnd = -1;
    delete notifier_;
    close(pair_[0]);
    close(pair_[1]);
}

void EndSignals::Drain() {
    char numbers[16];
    ssize_t count;
    while ((count = read(pair_[0], numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            emit Received(numbers[i]);
        }
    }
}

void EndOnSignal(EndSignals& source, QWidget& window) {
    QObject::connect(&source, &EndSignals::Received, &window, [&window] {
        // A modal box may be open: exit() ends its loop as well as the main one.
        window.close();
        QCoreApplication::exit(0);
    });
}

}  // namespace farb::qt
