// The conformance scenarios against the Qt window: presses where the control table puts each
// control, keys through QTest, ticks through the window's own treatment timer.

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "ControlTable.h"
#include "CoreText.h"
#include "FindControl.h"
#include "ListBox.h"
#include "MainWindow.h"
#include "Scenarios.h"
#include "SimulatedDriver.h"

using namespace farb;
using namespace farb::conformance;
using namespace farb::qt;

namespace {

Qt::MouseButton QtButton(Button button) {
    return button == Button::Left    ? Qt::LeftButton
           : button == Button::Right ? Qt::RightButton
                                     : Qt::MiddleButton;
}

Qt::Key QtKey(Key key) {
    switch (key) {
        case Key::Down:
            return Qt::Key_Down;
        case Key::Space:
            return Qt::Key_Space;
        case Key::Enter:
            return Qt::Key_Return;
        case Key::Shift:
            return Qt::Key_Shift;
        case Key::Tab:
            return Qt::Key_Tab;
    }
    return Qt::Key_unknown;
}

// The Qt window over a simulated binary lamp. Its timers deliver nothing on their own: a tick is
// the treatment timer's timeout, and comes only while that timer runs.
class QtWindow : public WindowUnderTest {
  public:
    QtWindow()
        : window_(link_, Edition::Program, Dialogs{[] { return true; }, [](auto&, auto&) {}},
                  ShippedCatalogue(), DesktopBuses::None()) {
        for (const char* timer : {"Timer1", "Timer2"}) {
            Find<QTimer>(timer)->blockSignals(true);
        }
    }

    void Press(ControlId control, Button button, int item) override {
        const Rect& rect = Control(control).rect;
        QWidget* target = nullptr;
        QPoint at;
        if (item >= 0) {
            ListBox* list = List(control);
            target = list->viewport();
            at = list->visualItemRect(list->item(item)).center();
        } else {
            // Whatever lies at the place the table gives, as a real press would find it.
            const QPoint point(rect.left + rect.width / 2, item == kBesideItems
                                                               ? rect.Bottom() - 4
                                                               : rect.top + rect.height / 2);
            target = window_.childAt(point);
            if (!target) {
                return;
            }
            at = target->mapFrom(&window_, point);
        }
        QTest::mousePress(target, QtButton(button), {}, at);
        QTest::mouseRelease(target, QtButton(button), {}, at);
    }
    void KeyDown(ControlId control, Key key) override {
        QTest::keyPress(Widget(control), QtKey(key));
    }
    void KeyUp(ControlId control, Key key) override {
        QTest::keyRelease(Widget(control), QtKey(key));
    }
    void Tick(int count) override {
        auto* timer = Find<QTimer>("Timer1");
        for (int tick = 0; tick < count && timer->isActive(); ++tick) {
            timer->blockSignals(false);
            QMetaObject::invokeMethod(timer, "timeout");
            timer->blockSignals(true);
        }
    }
    std::string Text(ControlId control) override {
        return CoreTextFrom(Find<QLabel>(Control(control).name.data())->text());
    }
    int Selection(ControlId list) override { return List(list)->SelectedIndex(); }
    int Count(ControlId list) override { return List(list)->count(); }
    std::string Item(ControlId list, int item) override {
        const QListWidgetItem* entry = List(list)->item(item);
        return entry ? CoreTextFrom(entry->text()) : "";
    }
    std::vector<std::uint8_t> LampBytes() override { return driver_.BytesReceivedBy(lamp_); }

  private:
    template <class T>
    T* Find(const char* name) {
        return farb::testing::FindControl<T>(window_, name);
    }
    QWidget* Widget(ControlId control) { return Find<QWidget>(Control(control).name.data()); }
    ListBox* List(ControlId list) { return Find<ListBox>(Control(list).name.data()); }

    SimulatedDriver driver_;
    int lamp_ = driver_.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
    LampLink link_{driver_, LampLink::Hooks{}};
    MainWindow window_;
};

}  // namespace

class ConformanceTest : public QObject {
    Q_OBJECT

  private slots:
    void scenario_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < Scenarios().size(); ++i) {
            QTest::newRow(Scenarios()[i].name.c_str()) << static_cast<int>(i);
        }
    }
    void scenario() {
        QFETCH(int, index);
        const Scenario& scenario = Scenarios()[static_cast<std::size_t>(index)];
        QVERIFY(!scenario.steps.empty());
        QtWindow window;
        const std::vector<std::string> mismatches = Play(scenario, window);
        for (const std::string& mismatch : mismatches) {
            qWarning("%s", mismatch.c_str());
        }
        QVERIFY2(mismatches.empty(), mismatches.empty() ? "" : mismatches.front().c_str());
    }
};

QTEST_MAIN(ConformanceTest)
#include "ConformanceTest.moc"
