#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <exception>

#include "BackgroundImage.h"
#include "CommandsLamp.h"
#include "Dialogs.h"
#include "FtDriver.h"
#include "HotSpot.h"
#include "LampLink.h"
#include "ListBox.h"
#include "TreatmentControl.h"
#include "WindowTreatmentView.h"

namespace farb {

// The program's one working window: the two lists, the status texts, the connection box and the
// three picture buttons over the artwork.
class TForm1 : public QWidget {
    Q_OBJECT

  public:
    static constexpr QSize kClientSize{834, 592};

    // `dialogs` left empty shows real modal boxes.
    TForm1(FtDriver& driver, LampCommands::Sleep sleep, Dialogs dialogs = {},
           TherapyCatalogue catalogue = ShippedCatalogue(), QWidget* parent = nullptr);

  public slots:
    void FormActivate();
    void Timer1Timer();
    void Timer2Timer();
    void lbhMouseDown();
    void lbhKeyUp();
    void lbgMouseDown();
    void lbgKeyUp();
    void Shape1MouseDown();
    void Shape2MouseDown();
    void Shape3MouseDown();
    void Shape1MouseMove();
    void Shape2MouseMove();
    void Shape3MouseMove();
    void Image1MouseMove();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void LayOutControls();
    void WireEvents();
    void ShowOnlyHoverLabel(QLabel* label);
    void ShowOpenFailure();
    // An error that escapes an event ends that event and is shown; the program runs on.
    template <class Operation>
    void RunEvent(Operation&& operation);

    BackgroundImage* Image1;
    ListBox* lbh;
    ListBox* lbg;
    QComboBox* ComboBox1;
    QLabel* Label1;
    QLabel* lt;
    HotSpot* Shape1;
    HotSpot* Shape3;
    HotSpot* Shape2;
    QLabel* LStart;
    QLabel* LPAUSE;
    QLabel* LSTOp;
    QTimer* Timer1;
    QTimer* Timer2;

    Dialogs dialogs_;
    LampLink lampLink_;
    CommandsLamp lamp_;
    WindowTreatmentView view_;
    WindowTreatmentTimer treatmentTimer_;
    TreatmentControl control_;
    TherapyCatalogue catalogue_;
    bool activated_ = false;
    bool shown_ = false;
};

template <class Operation>
void TForm1::RunEvent(Operation&& operation) {
    try {
        operation();
    } catch (const std::exception& error) {
        dialogs_.showException(QString::fromLatin1(error.what()));
    }
    ShowOpenFailure();
}

}  // namespace farb
