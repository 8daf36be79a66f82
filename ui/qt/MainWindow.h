#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "BackgroundImage.h"
#include "CoreText.h"
#include "DesktopBuses.h"
#include "DesktopSession.h"
#include "Dialogs.h"
#include "FormFrontEnd.h"
#include "FormTexts.h"
#include "HotSpot.h"
#include "LampLink.h"
#include "ListBox.h"
#include "TherapyCatalogue.h"
#include "Unit1.h"

namespace farb::qt {

class Announcer;

// The Qt skin of the main window: it builds the controls of the control table over the artwork,
// forwards every event to the form and shows what the form tells it.
class MainWindow : public QWidget, private FormFrontEnd {
    Q_OBJECT

  public:
    // The window shows `lampLink` and drives the lamp through it; the demo's `edition` has its
    // title and the mark that no lamp is driven. `dialogs` left empty shows real modal boxes. The
    // desktop is told of the treatment over `buses`, for the desktop entry of
    // QGuiApplication::desktopFileName().
    explicit MainWindow(LampLink& lampLink, Edition edition = Edition::Program,
                        Dialogs dialogs = {}, TherapyCatalogue catalogue = ShippedCatalogue(),
                        const DesktopBuses& buses = DesktopBuses::OfThisSession(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    TForm1& Form() { return *form_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void LayOutControls(Edition edition);
    void WireEvents();
    void WireList(ControlId id);
    void WireHotSpot(ControlId id);
    void Activate();
    QWidget* Widget(ControlId control) const;

    void SetText(ControlId control, const std::string& text) override;
    void SetVisible(ControlId control, bool visible) override;
    void SetItems(ControlId control, const std::vector<std::string>& items) override;
    void SetSelection(ControlId control, int index) override;
    void SetToolTip(ControlId control, const std::string& text) override;
    void SetItemToolTips(ControlId list, const std::vector<ItemTip>& tips) override;
    bool ItemNameCut(ControlId list, int item) const override;
    void SetTimer(TimerId timer, bool on) override;
    bool ConfirmNotice() override;
    void ShowError(const std::string& title, const std::string& text) override;
    int AskForProgramme() override;
    void Close() override;
    void AskForAttention() override;
    void PlayNotificationSound() override;
    void AnnounceEnd(const std::string& programme) override;
    void KeepAwake(bool on) override;
    void ShowProgress(const TreatmentProgress& progress) override;
    void Announce(const Announcement& announcement) override;

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
    HotSpot* Shape4;
    QTimer* Timer1;
    QTimer* Timer2;

    Dialogs dialogs_;
    std::unique_ptr<TForm1> form_;
    // Gone before the form, which it pauses when the machine goes to sleep.
    std::unique_ptr<DesktopSession> desktop_;
    Announcer* announcer_;
    bool shown_ = false;
};

}  // namespace farb::qt
