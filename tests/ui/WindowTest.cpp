#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Artwork.h"
#include "BackgroundImage.h"
#include "ControlTable.h"
#include "CoreText.h"
#include "Dialogs.h"
#include "FindControl.h"
#include "LineFields.h"
#include "ListBox.h"
#include "MainWindow.h"
#include "ProgramStepTable.h"
#include "SearchDialog.h"
#include "SimulatedDriver.h"
#include "SingleInstance.h"
#include "Version.h"

using namespace farb;
using namespace farb::qt;

namespace {

constexpr std::string_view kFaultyCatalogue[] = {
    "Gut\t\t", "Rot\trot\t2", "Schlecht\t\t", "Davor\tgelb\t1", "Kaputt\trot\tzwei",
};

// The contrast of the lightest against the darkest pixel, as the WCAG luminance counts it.
double Contrast(const QImage& image) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    double darkest = 1, lightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const double luminance = 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                                     0.0722 * linear(c.blueF());
            darkest = std::min(darkest, luminance);
            lightest = std::max(lightest, luminance);
        }
    }
    return (lightest + 0.05) / (darkest + 0.05);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private:
    SimulatedDriver driver;
    std::unique_ptr<LampLink> lampLink;
    std::unique_ptr<MainWindow> form;
    int notices = 0;
    bool answerNotice = true;
    QStringList errors;
    int lampId = 0;

    void CreateForm(TherapyCatalogue catalogue = ShippedCatalogue()) {
        Dialogs dialogs{[this] {
                            ++notices;
                            return answerNotice;
                        },
                        [this](const QString&, const QString& text) { errors << text; }};
        form.reset();
        // Each window gets the lamp link its program would build: a fresh one.
        lampLink = std::make_unique<LampLink>(driver, LampLink::Hooks{});
        form = std::make_unique<MainWindow>(*lampLink, Edition::Program, dialogs, catalogue,
                                            DesktopBuses::None());
    }
    template <class T>
    T* Control(const char* name) {
        return farb::testing::FindControl<T>(*form, name);
    }
    QString Text(const char* label) { return Control<QLabel>(label)->text(); }
    // Presses a mouse button at a point of the client area, on whatever control lies there.
    void PressAt(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* target = form->childAt(point);
        QVERIFY(target);
        QTest::mousePress(target, button, {}, target->mapFrom(form.get(), point));
        QTest::mouseRelease(target, button, {}, target->mapFrom(form.get(), point));
    }
    void MoveTo(QPoint point) {
        QWidget* target = form->childAt(point);
        QVERIFY(target);
        const QPoint local = target->mapFrom(form.get(), point);
        QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    void PressItem(const char* list, int row, Qt::MouseButton button = Qt::LeftButton) {
        ListBox* box = Control<ListBox>(list);
        const QPoint centre = box->visualItemRect(box->item(row)).center();
        QTest::mousePress(box->viewport(), button, {}, centre);
        QTest::mouseRelease(box->viewport(), button, {}, centre);
    }
    QPoint ItemCentre(const char* list, int row) {
        ListBox* box = Control<ListBox>(list);
        return box->visualItemRect(box->item(row)).center();
    }
    void ShowActive() {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(notices, 1);
    }
    std::vector<std::uint8_t> LampBytes() { return driver.BytesReceivedBy(lampId); }
    static std::vector<std::uint8_t> Bytes(std::string_view text) {
        return {text.begin(), text.end()};
    }
    void Timeout(const char* timer) {
        QVERIFY(QMetaObject::invokeMethod(Control<QTimer>(timer), "timeout"));
    }

  private slots:
    void init() {
        driver = SimulatedDriver();
        notices = 0;
        answerNotice = true;
        errors.clear();
        lampId = driver.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
        CreateForm();
    }
    void cleanup() { form.reset(); }

    void discoveryWaitsForTheActivation() {
        QCOMPARE(Control<QComboBox>("ComboBox1")->currentIndex(), -1);
        QVERIFY(driver.Calls().empty());
    }

    // Every control stands where the control table puts it, in its font.
    void hasTheFixedWindowAndTheControlLayout() {
        for (const ControlLayout& entry : Controls()) {
            QWidget* control = form->findChild<QWidget*>(FromCoreText(entry.name));
            QVERIFY2(control, entry.name.data());
            const Rect& r = entry.rect;
            QCOMPARE(control->geometry(), QRect(r.left, r.top, r.width, r.height));
            QCOMPARE(control->font().pixelSize(), entry.fontPixels);
            QCOMPARE(control->font().family(), QStringLiteral("Arial"));
            QCOMPARE(control->isEnabled(), entry.enabled);
        }
        QCOMPARE(form->windowTitle(), QStringLiteral("Lanvo Farbprogram  V" FARB_VERSION));
        QCOMPARE(form->minimumSize(), QSize(834, 592));
        QCOMPARE(form->maximumSize(), QSize(834, 592));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void controlsCarryTheirNamesColoursAndStates() {
        ListBox* lbh = Control<ListBox>("lbh");
        QCOMPARE(lbh->accessibleName(), QStringLiteral("Hauptgruppen"));
        QCOMPARE(Control<ListBox>("lbg")->accessibleName(), QStringLiteral("Beschwerden"));
        QCOMPARE(Control<HotSpot>("Shape1")->accessibleName(), QStringLiteral("Start"));
        QCOMPARE(Control<HotSpot>("Shape3")->accessibleName(), QStringLiteral("Pause"));
        QCOMPARE(Control<HotSpot>("Shape2")->accessibleName(), QStringLiteral("Stop"));
        QCOMPARE(Control<QLabel>("LStart")->accessibleName(), QString());

        QComboBox* status = Control<QComboBox>("ComboBox1");
        QCOMPARE(status->accessibleName(), QStringLiteral("Verbindung"));
        QVERIFY(!status->isEnabled());
        QCOMPARE(status->count(), 4);
        QCOMPARE(status->itemText(0), QStringLiteral("keine Verbindung"));
        QCOMPARE(status->itemText(3), QStringLiteral("USB"));

        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QImage shot = lbh->grab().toImage();
        QCOMPARE(shot.pixelColor(lbh->width() - 5, lbh->height() - 5), QColor(160, 158, 205));
        QCOMPARE(lbh->item(0)->sizeHint().height(), 18);
        QVERIFY(Control<BackgroundImage>("Image1")->HasPicture());

        // Tab walks the lists, then Start, Pause and Stop, and back; nothing else takes the focus.
        QWidget* next = lbh;
        for (const char* name : {"lbg", "Shape1", "Shape3", "Shape2", "lbh"}) {
            do {
                next = next->nextInFocusChain();
            } while (!(next->focusPolicy() & Qt::TabFocus));
            QCOMPARE(next->objectName(), QString::fromLatin1(name));
        }
        QVERIFY(!Control<QLabel>("LStart")->isVisible());
    }

    void timersAreWiredAsTabled() {
        QTimer* timer1 = Control<QTimer>("Timer1");
        QTimer* timer2 = Control<QTimer>("Timer2");
        QCOMPARE(timer1->interval(), 1000);
        QCOMPARE(timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(!timer1->isActive());
        QCOMPARE(timer2->interval(), 2000);
        QVERIFY(timer2->isActive());

        Timeout("Timer2");
        QCOMPARE(Control<QComboBox>("ComboBox1")->currentIndex(), 2);  // TTL232R: binary lamp

        PressItem("lbg", 0);
        PressAt({700, 330});
        QVERIFY(timer1->isActive());
        driver.ClearRecord();
        Timeout("Timer2");
        QVERIFY(driver.Calls().empty());  // no discovery poll while a treatment runs
    }

    // The lamp is shown as "USB" although it does not open; the tooltip says so until it does.
    void statusBoxTooltipNamesTheLastFailedOpen() {
        QComboBox* status = Control<QComboBox>("ComboBox1");
        QCOMPARE(status->toolTip(), QString());
        driver.FailCall(DriverOperation::OpenBySerialNumber, FT_DEVICE_NOT_OPENED);
        PressItem("lbg", 0);
        PressAt({700, 330});
        QCOMPARE(status->currentText(), QStringLiteral("USB"));
        QVERIFY(status->toolTip().contains(
            QStringLiteral("README, Abschnitt \"USB shown, lamp dark\"")));
        QVERIFY(LampBytes().empty());

        Timeout("Timer1");
        QCOMPARE(LampBytes().back(), 0x42);
        QCOMPARE(status->toolTip(), QString());
    }

    void noticeComesOnceAndThenDiscoveryRuns() {
        form->show();
        QTRY_COMPARE(notices, 1);
        form->Form().FormActivate();
        QApplication::processEvents();
        QCOMPARE(notices, 1);
        QCOMPARE(Control<QComboBox>("ComboBox1")->currentIndex(), 2);
        QVERIFY(form->isVisible());
    }

    void cancellingTheNoticeClosesTheWindow() {
        answerNotice = false;
        form->show();
        QTRY_COMPARE(notices, 1);
        QVERIFY(!form->isVisible());
        QCOMPARE(Control<QComboBox>("ComboBox1")->currentIndex(), 2);  // discovery runs anyway
    }

    // A pause, and a right press that chooses the programme again, stop the treatment's timer.
    void theTreatmentTimerStopsWhenTheTreatmentDoes() {
        PressItem("lbg", 2);
        PressAt({700, 330});
        PressAt({700, 400}, Qt::RightButton);
        QVERIFY(!Control<QTimer>("Timer1")->isActive());

        PressAt({700, 330});
        QVERIFY(Control<QTimer>("Timer1")->isActive());
        PressItem("lbg", 5, Qt::RightButton);
        QVERIFY(!Control<QTimer>("Timer1")->isActive());
    }

    void hotSpotsPressForAssistiveTechnologyLikeTheMouse() {
        const QList<QSize> iconSizes = form->windowIcon().availableSizes();
        QCOMPARE(iconSizes.size(), 7);
        QVERIFY(iconSizes.contains(QSize(16, 16)));
        QVERIFY(iconSizes.contains(QSize(128, 128)));
        QVERIFY(!iconSizes.contains(QSize(256, 256)));
        PressItem("lbg", 0);
        // Pressed in this order, each shows its own status text.
        const std::pair<const char*, const char*> spots[] = {
            {"Shape1", "Start"}, {"Shape3", "Pause"}, {"Shape1", "Start"}, {"Shape2", "Stop"}};
        const char* shown[] = {"Restdauer", "Pause", "Restdauer", "Behandlungsdauer"};
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface* spot =
                QAccessible::queryAccessibleInterface(Control<HotSpot>(spots[i].first));
            QCOMPARE(spot->role(), QAccessible::Button);
            QCOMPARE(spot->text(QAccessible::Name), QString::fromLatin1(spots[i].second));
            QCOMPARE(spot->actionInterface()->actionNames(),
                     QStringList{QAccessibleActionInterface::pressAction()});
            spot->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(Text("Label1"), QString::fromLatin1(shown[i]));
        }
        QCOMPARE(Control<QTimer>("Timer1")->isActive(), false);
    }

    void keyReleasesRunTheOperationOncePerKey() {
        ListBox* lbh = Control<ListBox>("lbh");
        lbh->setFocus();
        QTest::keyClick(lbh, Qt::Key_Down);
        QCOMPARE(lbh->SelectedIndex(), 1);
        QCOMPARE(Control<ListBox>("lbg")->count(), 19);

        ListBox* lbg = Control<ListBox>("lbg");
        QTest::keyRelease(lbg, Qt::Key_Tab);
        QCOMPARE(Text("lt"), QString());  // no programme selected: the release is ignored

        PressItem("lbg", 0);
        const std::size_t before = LampBytes().size();
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(lbg, &repeated);
        QCOMPARE(LampBytes().size(), before);  // auto-repeat releases do not count
        QTest::keyClick(lbg, Qt::Key_Down);
        QCOMPARE(Text("lt"), QStringLiteral("8:00"));  // Herpes zoster
        QCOMPARE(LampBytes().size(), before + 2);
    }

    void hoverLabelsFollowTheMouse() {
        MoveTo({700, 330});
        QVERIFY(Control<QLabel>("LStart")->isVisibleTo(form.get()));
        MoveTo({700, 400});
        QVERIFY(!Control<QLabel>("LStart")->isVisibleTo(form.get()));
        QVERIFY(Control<QLabel>("LPAUSE")->isVisibleTo(form.get()));
        MoveTo({700, 480});
        QVERIFY(Control<QLabel>("LSTOp")->isVisibleTo(form.get()));
        QVERIFY(!Control<QLabel>("LPAUSE")->isVisibleTo(form.get()));
        MoveTo({620, 560});
        for (const char* label : {"LStart", "LPAUSE", "LSTOp"}) {
            QVERIFY(!Control<QLabel>(label)->isVisibleTo(form.get()));
        }
    }

    void dragsAndCtrlTogglesLeaveTheSelectionOnThePressedItem() {
        ShowActive();
        ListBox* lbg = Control<ListBox>("lbg");
        const QPoint antiAging = ItemCentre("lbg", 3);
        QCOMPARE(lbg->item(3)->text(), QStringLiteral("Anti-Aging"));
        QTest::mousePress(lbg->viewport(), Qt::LeftButton, {}, ItemCentre("lbg", 0));
        QTest::mouseMove(lbg->viewport(), antiAging);
        QTest::mouseRelease(lbg->viewport(), Qt::LeftButton, {}, antiAging);
        QTest::mouseClick(lbg->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          ItemCentre("lbg", 0));
        QTest::keyClick(lbg, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(lbg->SelectedIndex(), 0);
        PressAt({700, 330});
        form->Form().Timer1Timer();
        QCOMPARE(Text("lt"), QStringLiteral("18:59"));
        QCOMPARE(LampBytes().back(), 0x42);  // Adipositas' first minute: green

        ListBox* lbh = Control<ListBox>("lbh");
        QTest::mousePress(lbh->viewport(), Qt::LeftButton, Qt::ShiftModifier, ItemCentre("lbh", 2));
        QTest::mouseMove(lbh->viewport(), ItemCentre("lbh", 5));
        QTest::mouseRelease(lbh->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                            ItemCentre("lbh", 5));
        QTest::mouseClick(lbh->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          ItemCentre("lbh", 2));
        PressItem("lbh", 7, Qt::RightButton);
        QCOMPARE(lbh->SelectedIndex(), 2);
        QCOMPARE(lbg->item(0)->text(), QStringLiteral("Asthma"));
    }

    void tabThenDownChoosesTheFirstProgrammeAndKeysMoveWithTheirRelease() {
        ShowActive();
        PressItem("lbh", 2);
        QWindow* window = form->windowHandle();
        QTest::keyClick(window, Qt::Key_Tab);
        ListBox* lbg = Control<ListBox>("lbg");
        QCOMPARE(QApplication::focusWidget(), lbg);
        QCOMPARE(Text("lt"), QString());
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(lbg->SelectedIndex(), 0);
        LineFields fields;
        std::vector<std::string> names;
        ProgramStepTable steps;
        steps.FillProgramList(ShippedCatalogue(), 2, fields, names);
        const int total = steps.ProgramTotals(0);
        QCOMPARE(Text("lt"), QStringLiteral("%1:00").arg(total));

        PressAt({700, 330});
        QTest::keyPress(window, Qt::Key_Down);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(lbg, &repeat);
        QCOMPARE(lbg->SelectedIndex(), 0);
        form->Form()
            .Timer1Timer();  // a tick while the key is down still belongs to the first programme
        QCOMPARE(Text("lt"), QStringLiteral("%1:59").arg(total - 1));
        QTest::keyRelease(window, Qt::Key_Down);
        QCOMPARE(lbg->SelectedIndex(), 1);
        QVERIFY(!Control<QTimer>("Timer1")->isActive());
    }

    void everyPressOfADoubleClickCounts() {
        PressItem("lbg", 0);
        PressAt({700, 330});
        const std::size_t before = LampBytes().size();
        ListBox* lbh = Control<ListBox>("lbh");
        QTest::mouseClick(lbh->viewport(), Qt::LeftButton, {}, ItemCentre("lbh", 1));
        QTest::mouseDClick(lbh->viewport(), Qt::LeftButton, {}, ItemCentre("lbh", 1));
        QTest::mouseRelease(lbh->viewport(), Qt::LeftButton, {}, ItemCentre("lbh", 1));
        QCOMPARE(LampBytes().size(), before + 4);  // two choices, two offs
        QCOMPARE(Control<ListBox>("lbg")->count(), 19);
    }

    void aHoverLabelStaysUnderThePointerAndIgnoresPresses() {
        MoveTo({700, 330});
        MoveTo({770, 330});  // on "Start", beside the hot spot
        QVERIFY(Control<QLabel>("LStart")->isVisibleTo(form.get()));
        PressAt({770, 330});
        QCOMPARE(Text("Label1"), QStringLiteral("Bitte w\u00e4hlen Sie"));
        QVERIFY(LampBytes().empty());
        MoveTo({770, 360});
        QVERIFY(!Control<QLabel>("LStart")->isVisibleTo(form.get()));
    }

    void stopEndsARunningTreatmentWithoutAProgramme() {
        CreateForm(kFaultyCatalogue);
        PressItem("lbg", 0);
        PressAt({700, 330});
        PressItem("lbh", 1);  // the faulty category ends the event with the list half filled
        QCOMPARE(Control<ListBox>("lbg")->SelectedIndex(), -1);
        form->Form().Timer1Timer();
        QCOMPARE(LampBytes().back(), 0x4B);
        driver.ClearRecord();
        PressAt({700, 480});
        QVERIFY(!Control<QTimer>("Timer1")->isActive());
        QCOMPARE(LampBytes(), Bytes("\xFF\x4B"));
        QCOMPARE(Text("lt"), QString());
        QCOMPARE(Text("Label1"), QStringLiteral("Bitte w\u00e4hlen Sie"));
    }

    void theStatusBoxIsLegibleInBothStates() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QComboBox* status = Control<QComboBox>("ComboBox1");
        for (int item : {0, 1}) {
            status->setCurrentIndex(
                item);  // inside the frame, left of the arrow: text on its ground
            QVERIFY(Contrast(status->grab(status->rect().adjusted(3, 3, -24, -3)).toImage()) >=
                    4.5);
        }
    }

    // Each programme's tooltip tells its steps; a name the list cuts off stands whole above them.
    void programmeTooltipsTellTheStepsUnderACutName() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        ListBox* lbg = Control<ListBox>("lbg");
        const QString tips[] = {
            QString::fromUtf8("Anti-Raucher mehrere Tage anwend.\nindigo 15 Min. · gelb 3 Min. — "
                              "18 Min."),
            QString::fromUtf8("grün 5 Min. · gelb 3 Min. · orange 3 Min. · gelb 3 Min. · grün 5 "
                              "Min. — 19 Min."),  // "Adipositas (Fettsucht" fits
        };
        for (int item : {5, 0}) {
            const QPoint at = ItemCentre("lbg", item);
            QHelpEvent help(QEvent::ToolTip, at, lbg->viewport()->mapToGlobal(at));
            QApplication::sendEvent(lbg->viewport(), &help);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), tips[item == 5 ? 0 : 1]);
        }
        QCOMPARE(lbg->item(0)->data(Qt::AccessibleDescriptionRole).toString(), tips[1]);
    }

    // A white frame shows the keyboard's place: on the focused list's current entry and on the
    // focused hot spot, and nowhere once the focus has gone on.
    void theKeyboardFocusIsPlainToSee() {
        ShowActive();
        PressItem("lbg", 0);
        const auto framed = [this](QWidget* control, QRect area) {
            const QImage shot = form->grab().toImage();
            const QPoint corner = control->mapTo(form.get(), area.topLeft());
            return shot.pixelColor(corner) == Qt::white &&
                   shot.pixelColor(corner + QPoint(area.width() / 2, 1)) == Qt::white;
        };
        auto* programmes = Control<ListBox>("lbg");
        auto* start = Control<HotSpot>("Shape1");
        programmes->setFocus();
        const QRect entry = programmes->visualItemRect(programmes->item(0));
        QVERIFY(framed(programmes->viewport(), entry));
        QVERIFY(!framed(start, start->rect()));
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), start);
        QVERIFY(framed(start, start->rect()));
        QVERIFY(!framed(programmes->viewport(), entry));
    }

    // Tab from the programme list reaches Start and Pause; Space and Enter press them. The time
    // text's tooltip and description follow the countdown; its name stays what it shows.
    void startAndPauseFromTheKeyboardAndTheCountdownTooltip() {
        ShowActive();
        PressItem("lbg", 0);
        QWindow* window = form->windowHandle();
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Control<HotSpot>("Shape1"));
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(Text("Label1"), QStringLiteral("Restdauer"));
        form->Form().Timer1Timer();
        QLabel* time = Control<QLabel>("lt");
        const QString tip =
            QString::fromUtf8("jetzt grün, noch 4:59 · danach gelb, 3 Min. · F2 sagt den Stand an");
        QCOMPARE(time->toolTip(), tip);
        QCOMPARE(time->accessibleDescription(), tip);
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(Text("Label1"), QStringLiteral("Pause"));
        QCOMPARE(time->toolTip(), tip);
    }

    // Tab from Stop wraps into the category list and on into the programme list, and Space or
    // Enter in a list choose nothing: a running treatment goes on through all of them.
    void keysThatChooseNothingLeaveARunningTreatment() {
        ShowActive();
        PressItem("lbg", 0);
        QWindow* window = form->windowHandle();
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Space);
        form->Form().Timer1Timer();
        QCOMPARE(Text("lt"), QStringLiteral("18:59"));
        const std::size_t sent = LampBytes().size();
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Control<HotSpot>("Shape2"));
        for (const char* list : {"lbh", "lbg"}) {
            QTest::keyClick(window, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Control<ListBox>(list));
            QCOMPARE(Text("Label1"), QStringLiteral("Restdauer"));
        }
        QTest::keyClick(window, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(window, Qt::Key_Space);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(Control<ListBox>("lbh")->SelectedIndex(), 0);
        QCOMPARE(Control<ListBox>("lbg")->SelectedIndex(), 0);
        QCOMPARE(LampBytes().size(), sent);
        QVERIFY(Control<QTimer>("Timer1")->isActive());
    }

    // Ctrl+F and the magnifier open "Programm suchen"; it filters as the operator types, Enter
    // chooses the first find as the two clicks would, Escape changes nothing.
    void theSearchOpensByCtrlFAndTheMagnifierAndChoosesWithEnter() {
        ShowActive();
        QStringList shown;
        // Answers the dialog once it is up, from inside its modal loop.
        std::function<void(std::function<void(QLineEdit*)>)> answer;
        answer = [&shown, &answer](std::function<void(QLineEdit*)> keys) {
            QTimer::singleShot(10, [&shown, &answer, keys] {
                auto* dialog = qobject_cast<SearchDialog*>(QApplication::activeModalWidget());
                if (!dialog) {
                    answer(keys);
                    return;
                }
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Programm suchen"));
                QCOMPARE(dialog->findChild<QPushButton*>("choose")->text(),
                         QString::fromUtf8("&Auswählen"));
                QCOMPARE(dialog->findChild<QLabel*>()->text(),
                         QString::fromUtf8("&Name oder Überschrift:"));
                auto* query = dialog->findChild<QLineEdit*>("query");
                QTest::keyClicks(query, QStringLiteral("migraene"));
                const QAbstractItemModel* found = dialog->findChild<QListView*>("found")->model();
                for (int row = 0; row < found->rowCount(); ++row) {
                    shown << found->index(row, 0).data().toString();
                }
                keys(query);
            });
        };
        answer([](QLineEdit* query) { QTest::keyClick(query, Qt::Key_Return); });
        QTest::keyClick(form->windowHandle(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(shown, QStringList{QString::fromUtf8("Migräne — Allgemeine Krankheiten 2")});
        QCOMPARE(Control<ListBox>("lbh")->SelectedIndex(), 1);
        QCOMPARE(Control<ListBox>("lbg")->SelectedIndex(), 2);
        QCOMPARE(Text("Label1"), QStringLiteral("Behandlungsdauer"));

        answer([](QLineEdit* query) {
            QTest::keyClick(query, Qt::Key_Backspace);
            QTest::keyClicks(query, QStringLiteral("xyz"));
            QTest::keyClick(query, Qt::Key_Return);  // nothing found: Enter chooses nothing
            QTest::keyClick(query, Qt::Key_Escape);
        });
        const std::size_t sent = LampBytes().size();
        PressAt({572, 148});
        QCOMPARE(Control<ListBox>("lbg")->SelectedIndex(), 2);
        QCOMPARE(LampBytes().size(), sent);
        QCOMPARE(Control<HotSpot>("Shape4")->toolTip(), QStringLiteral("Programm suchen (Strg+F)"));

        // Down typed into the field moves to the second find, which Enter then chooses.
        answer([&shown](QLineEdit* query) {
            shown.clear();
            QTest::keyClick(query, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(query, QStringLiteral("schmerz"));
            const QAbstractItemModel* found =
                query->window()->findChild<QListView*>("found")->model();
            shown << found->index(1, 0).data().toString();
            QTest::keyClick(query, Qt::Key_Down);
            QTest::keyClick(query, Qt::Key_Return);
        });
        PressAt({572, 148});
        auto* programmes = Control<ListBox>("lbg");
        QCOMPARE(programmes->item(programmes->SelectedIndex())->text(),
                 shown.value(0).section(QString::fromUtf8(" — "), 0, 0));
    }

    // Without a session bus the lock file alone keeps a second start out.
    void withoutABusTheLockFileKeepsASecondStartOut() {
        const QTemporaryDir session;
        const QDBusConnection none(QStringLiteral("no-bus"));
        SingleInstance running(none, QStringLiteral("de.lanvo.farbprogramm"), session.path());
        SingleInstance second(none, QStringLiteral("de.lanvo.farbprogramm"), session.path());
        QVERIFY(running.Claim());
        QVERIFY(!second.Claim());
        QSignalSpy knocks(&running, &SingleInstance::Knocked);
        second.KnockAtRunning();
        QCOMPARE(knocks.count(), 0);
    }

    void closingARunningTreatmentSwitchesTheLampOff() {
        PressItem("lbg", 0);
        PressAt({700, 330});
        form->Form().Timer1Timer();
        QCOMPARE(LampBytes().back(), 0x42);
        form->close();
        QCOMPARE(LampBytes().back(), 0x4B);
        QVERIFY(!Control<QTimer>("Timer1")->isActive());
    }

    void anErrorInAnEventIsShownAndTheProgramRunsOn() {
        CreateForm(kFaultyCatalogue);
        PressItem("lbh", 1);
        QCOMPARE(errors, QStringList{QStringLiteral("'zwei' ist kein g\u00fcltiger Integerwert")});
        QCOMPARE(Control<ListBox>("lbg")->count(), 2);

        PressItem("lbh", 0);
        PressItem("lbg", 0);
        QCOMPARE(Text("lt"), QStringLiteral("2:00"));
    }

    // The background keeps its picture compressed and decodes the rows of each repaint; any part
    // of it, drawn alone, shows the picture's own pixels there, band joins and edges included.
    void backgroundRepaintsAnyPartFromThePicture() {
        const auto picture = LoadArtwork();
        QVERIFY(picture.has_value());
        BackgroundImage background;
        background.resize(picture->width(), picture->height());
        background.SetPicture(LoadArtwork());

        const QRect parts[] = {{0, 0, picture->width(), picture->height()},
                               {635, 166, 155, 24},
                               {1, 15, 40, 3},
                               {picture->width() - 7, picture->height() - 40, 7, 40}};
        for (const QRect& part : parts) {
            const QImage shot =
                background.grab(part).toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shot.size(), part.size());
            int mismatches = 0;
            picture->DecodeRows(part.top(), part.height(), PixelLayout::Xrgb32,
                                [&](int y, std::span<const std::uint8_t> row) {
                                    const auto* pixels = reinterpret_cast<const QRgb*>(row.data());
                                    for (int x = part.left(); x <= part.right(); ++x) {
                                        mismatches += shot.pixel(x - part.left(), y - part.top()) !=
                                                      pixels[x];
                                    }
                                });
            QCOMPARE(mismatches, 0);
        }
    }

    // Only OK confirms; Abbrechen, Escape and closing the box's window all refuse.
    void noticeConfirmsOnlyWithOk() {
        const std::pair<const char*, std::function<void(QMessageBox&)>> answers[] = {
            {"OK", [](QMessageBox& box) { box.defaultButton()->click(); }},
            {"Abbrechen", [](QMessageBox& box) { box.escapeButton()->click(); }},
            {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
            {"closed", [](QMessageBox& box) { box.close(); }},
        };
        for (const auto& answer : answers) {
            const auto notice = CreateNoticeBox(nullptr);
            QTimer::singleShot(0, notice.get(), [&notice, &answer] { answer.second(*notice); });
            QCOMPARE(ConfirmedNotice(*notice), std::string_view(answer.first) == "OK");
        }
    }

    void boxesAreGermanWithoutTranslationFiles() {
        const auto notice = CreateNoticeBox(nullptr);
        QCOMPARE(notice->windowTitle(), QStringLiteral("Wichtiger Hinweis"));
        QCOMPARE(notice->text(),
                 QStringLiteral("Die Licht und Farbterapie ersetzt nicht den Arztbesuch"));
        QCOMPARE(notice->icon(), QMessageBox::NoIcon);
        QCOMPARE(notice->buttons().size(), 2);
        QCOMPARE(notice->defaultButton()->text(), QStringLiteral("OK"));
        QCOMPARE(notice->buttonRole(notice->defaultButton()), QMessageBox::AcceptRole);
        QCOMPARE(notice->escapeButton()->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(notice->buttonRole(notice->escapeButton()), QMessageBox::RejectRole);

        const auto error = CreateErrorBox(nullptr, QStringLiteral("Fehler"), QStringLiteral("x"));
        QCOMPARE(error->icon(), QMessageBox::Critical);
        QCOMPARE(error->buttons().size(), 1);
        QCOMPARE(error->defaultButton()->text(), QStringLiteral("OK"));
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
