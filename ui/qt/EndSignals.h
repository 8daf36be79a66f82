#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace farb::qt {

// Turns SIGTERM, SIGINT and SIGHUP (log-out, shut-down, Ctrl+C, a closed terminal) into the
// signal Received, delivered by the event loop, so that the program can end as a closed window
// ends it. One at a time; the signals' default actions come back when it is destroyed.
class EndSignals : public QObject {
    Q_OBJECT

  public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

  signals:
    void Received(int signal);

  private:
    void Drain();

    int pair_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

// Closes `window` and ends the event loops, nested ones too, with status 0 on the first of
// `source`'s Received.
void EndOnSignal(EndSignals& source, QWidget& window);

}  // namespace farb::qt
